#include "about/frmAbout.h"
#include "app/QtDesktop.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename T>
T *Control(const QWidget &box, const char *name)
{
    return box.findChild<T *>(QLatin1String(name));
}

void MoveOver(QWidget *widget, QPoint at = {2, 2})
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

bool Highlighted(const QLabel *web)
{
    return web->font().underline() && web->palette().color(QPalette::WindowText) == QColor(0, 0, 255);
}

bool Plain(const QLabel *web)
{
    return !web->font().underline() && web->palette().color(QPalette::WindowText) == QColor(0, 0, 0);
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void versionTexts()
    {
        QCOMPARE(VersionText({1, 0}), QStringLiteral("1.0"));
        QCOMPARE(VersionText({2, 15}), QStringLiteral("2.15"));
        QCOMPARE(VersionText({0, 9}), QStringLiteral("Bêta 9"));
    }

    void captionsOfThisVersion()
    {
        frmAbout box;
        QCOMPARE(box.windowTitle(), QStringLiteral("À propos de Fichoscope 1.0"));
        QCOMPARE(Control<QLabel>(box, "lblTitle")->text(), QStringLiteral("Fichoscope 1.0"));
        auto *mail = Control<QPushButton>(box, "cmdMail");
        QCOMPARE(mail->text(), QStringLiteral("Envoyer un e-m@il au programmeur"));
        QCOMPARE(mail->toolTip(), QString());
        QCOMPARE(mail->cursor().hotSpot(), QPoint(13, 4));
        QCOMPARE(Control<QLabel>(box, "lblWeb")->cursor().hotSpot(), QPoint(13, 4));
        QCOMPARE(Control<QLabel>(box, "Picture1")->pixmap().size(), QSize(58, 37));
        QVERIFY(!Control<QLabel>(box, "picIcon")->pixmap().isNull());
        QVERIFY(Control<QPushButton>(box, "cmdOK")->isDefault());
    }

    void betaVersion()
    {
        frmAbout box(nullptr, {0, 9});
        QCOMPARE(Control<QLabel>(box, "lblTitle")->text(), QStringLiteral("Fichoscope Bêta 9"));
        QCOMPARE(box.windowTitle(), QStringLiteral("À propos de Fichoscope Bêta 9"));
        QCOMPARE(Control<QPushButton>(box, "cmdMail")->toolTip(),
                 QStringLiteral("C'est ici pour les rapports de bugs..."));
    }

    void mailButtonOpensAMailToTheAuthor()
    {
        ScriptedDesktop desktop;
        frmAbout box;
        box.show();
        Control<QPushButton>(box, "cmdMail")->click();
        QCOMPARE(desktop.openedUrls.size(), 1);
        QCOMPARE(desktop.openedUrls[0].toString(), QStringLiteral("mailto:fichoscope@example.org?Subject=Fichoscope"));
        QVERIFY(desktop.messages.isEmpty());
    }

    void shellFailureIsReportedAndTheBoxStays()
    {
        ScriptedDesktop desktop;
        desktop.setOpenUrlResult(false);
        frmAbout box;
        box.show();
        Control<QPushButton>(box, "cmdMail")->click();
        QTest::mouseClick(Control<QLabel>(box, "lblWeb"), Qt::LeftButton, {}, QPoint(2, 2));

        QCOMPARE(desktop.openedUrls.size(), 2);
        QCOMPARE(desktop.openedUrls[1], QUrl(QStringLiteral("https://fichoscope.example.org")));
        QCOMPARE(desktop.messages.size(), 2);
        for (const MessageRequest &message : desktop.messages) {
            QCOMPARE(message.text, QStringLiteral("Une erreur s'est produite"));
            QCOMPARE(message.buttons, MessageButtons::Ok);
            QCOMPARE(message.icon, MessageIcon::None);
            QCOMPARE(message.title, QStringLiteral("Fichoscope"));
        }
        QVERIFY(box.isVisible());
    }

    // The real desktop asks xdg-open, here a stand-in whose exit status is
    // that of its last line.
    void realDesktopAnswersWithTheHandlersStatus_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<bool>("opened");
        const QUrl mail(QStringLiteral("mailto:fichoscope@example.org?Subject=Fichoscope"));
        QTest::newRow("no method available") << QByteArray("exit 3") << mail << false;
        QTest::newRow("mail") << QByteArray("[ \"$1\" = 'mailto:fichoscope@example.org?Subject=Fichoscope' ]")
                              << mail << true;
        QTest::newRow("video as a path") << QByteArray("[ \"$1\" = '/films/Le Mépris.avi' ]")
                                         << QUrl::fromLocalFile(QStringLiteral("/films/Le Mépris.avi")) << true;
    }

    void realDesktopAnswersWithTheHandlersStatus()
    {
        QFETCH(QByteArray, handler);
        QFETCH(QUrl, url);
        QFETCH(bool, opened);
        QTemporaryDir bin;
        const QString xdgOpen = bin.filePath(QStringLiteral("xdg-open"));
        WriteBytes(xdgOpen, "#!/bin/sh\n" + handler + '\n');
        QVERIFY(QFile::setPermissions(xdgOpen, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const bool answer = QtDesktop().openUrl(url);
        qputenv("PATH", path);
        QCOMPARE(answer, opened);
    }

    void webLinkHover()
    {
        frmAbout box;
        box.show();
        auto *web = Control<QLabel>(box, "lblWeb");
        MoveOver(web);
        QVERIFY(Highlighted(web));
        MoveOver(Control<QPushButton>(box, "cmdOK"));
        MoveOver(Control<QLabel>(box, "lblTitle"));
        QVERIFY(Highlighted(web));
        MoveOver(Control<QLabel>(box, "lblAuthor"));
        QVERIFY(Plain(web));
        MoveOver(web);
        MoveOver(&box, QPoint(1, 1));
        QVERIFY(Plain(web));
    }

    void enterAndEscapeCloseTheBox()
    {
        frmAbout box;
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
