#include "app/Twips.h"
#include "app/WorkFolder.h"
#include "card/CardReader.h"
#include "fullsize/frmViewLarger.h"
#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"
#include "viewer/LoadViewer.h"
#include "viewer/ViewerControls.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A 193 x 289-pixel picture: 2895 x 4335 twips at 96 DPI.
QByteArray PortraitJpeg(QColor color = QColor(200, 40, 40))
{
    QImage image(193, 289, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QRect Pixels(int left, int top, int width, int height)
{
    return {left, top, width, height};
}

// True when the middle of the picture has the colour, give or take what
// JPEG compression changes.
bool HasColour(const QPixmap &picture, QColor colour)
{
    const QColor middle = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    return qAbs(middle.red() - colour.red()) < 30 && qAbs(middle.green() - colour.green()) < 30
           && qAbs(middle.blue() - colour.blue()) < 30;
}

} // namespace

class TestLoadViewer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString writeCard(const QString &name, const CardFields &texts, const QByteArray &poster = {})
    {
        const QString path = m_folder.filePath(name);
        WriteBytes(path, CardBytes(texts, poster));
        return path;
    }

    static void noWorkFolderLeft()
    {
        QCOMPARE(WorkFoldersIn(WorkFolderParent()), QStringList());
    }

private slots:
    void initTestCase()
    {
        SetTwipsDpi(96);
    }

    void cleanup() { HideViewer(); }

    void cardWithPosterIsShownAndItsWorkFolderGone()
    {
        ScriptedDesktop desktop;
        const QString card = writeCard(QStringLiteral("Alien.fsc"), {}, PortraitJpeg());
        QVERIFY(LoadViewer(card));

        QVERIFY(Viewer() && Viewer()->isVisible());
        noWorkFolderLeft();
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(Viewer()->windowTitle(), QStringLiteral(" Fichoscope"));
        QCOMPARE(Control<QLabel>("lblTitre")->text(), QStringLiteral("Alien"));
        QCOMPARE(Control<QLabel>("lblAnnee")->text(), QStringLiteral("Année : 1979"));
        QCOMPARE(Control<QLabel>("lblDuree")->text(), QStringLiteral("Durée :  1h57"));

        // 1935 x 2897 twips at (3120, 600); the window 5355 x 4712 twips
        // outside, its frame included.
        auto *poster = Control<QLabel>("imgAffiche");
        QVERIFY(poster->isVisibleTo(Viewer()));
        QCOMPARE(poster->geometry(), Pixels(208, 40, 129, 193));
        QCOMPARE(poster->pixmap().size(), QSize(129, 193));
        QCOMPARE(poster->cursor().hotSpot(), QPoint(13, 4));
        QCOMPARE(Control<QLabel>("picAffiche")->pixmap().size(), QSize(193, 289));
        QCOMPARE(Viewer()->frameGeometry().size(), QSize(357, 314));
        QCOMPARE(Control<QPushButton>("cmdOK")->geometry(), Pixels(256, 248, 81, 33));
        QCOMPARE(Control<QPushButton>("cmdPlay")->geometry(), Pixels(176, 248, 73, 33));
        QVERIFY(Control<QPushButton>("cmdOK")->isDefault());
        QVERIFY(!Control<QPushButton>("cmdPlay")->isEnabled());
    }

    void posterClickShowsItFullSizeFromMemory()
    {
        ScriptedDesktop desktop;
        QVERIFY(LoadViewer(writeCard(QStringLiteral("Poster.fsc"), {}, PortraitJpeg())));
        noWorkFolderLeft();

        QSize shown;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<frmViewLarger *>(QApplication::activeModalWidget());
            if (!window)
                return;
            auto *picture = window->findChild<QLabel *>(QStringLiteral("picViewLarger"));
            shown = picture->pixmap().size();
            QTest::mouseClick(picture, Qt::LeftButton);
        });
        QTest::mouseClick(Control<QLabel>("imgAffiche"), Qt::LeftButton);

        QCOMPARE(shown, QSize(193, 289));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(Viewer()->isVisible());
    }

    void playOpensTheAviAndClosesTheViewer()
    {
        ScriptedDesktop desktop;
        desktop.setOpenUrlResult(false);
        const QString card = writeCard(QStringLiteral("Play.fsc"), {});
        WriteBytes(m_folder.filePath(QStringLiteral("Play.divx")), "v");
        WriteBytes(m_folder.filePath(QStringLiteral("Play.avi")), "v");
        QVERIFY(LoadViewer(card));

        auto *play = Control<QPushButton>("cmdPlay");
        QVERIFY(play->isEnabled());
        QCOMPARE(play->text(), QStringLiteral("&Lecture"));
        play->click();
        QCOMPARE(desktop.openedUrls, QList<QUrl>{QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Play.avi")))});
        QVERIFY(!Viewer()->isVisible());
    }

    void okAndEnterCloseTheViewer()
    {
        ScriptedDesktop desktop;
        const QString card = writeCard(QStringLiteral("Ok.fsc"), {});
        QVERIFY(LoadViewer(card));
        Control<QPushButton>("cmdOK")->click();
        QVERIFY(!Viewer()->isVisible());

        QVERIFY(LoadViewer(card));
        QTest::keyClick(Viewer(), Qt::Key_Escape);
        QVERIFY(Viewer()->isVisible());
        QTest::keyClick(Viewer(), Qt::Key_Return);
        QVERIFY(!Viewer()->isVisible());
    }

    void textsAreShownAsStored()
    {
        ScriptedDesktop desktop;
        CardFields texts;
        texts.titre = "<b>x</b> & Co";
        texts.resume = "Tom & Jerry <i>";
        texts.acteurs = "";
        texts.annee = "";
        QVERIFY(LoadViewer(writeCard(QStringLiteral("Markup.fsc"), texts)));

        const char *names[] = {"lblTitre", "lblResume", "lblActeurs", "lblAnnee"};
        for (const char *name : names)
            QCOMPARE(Control<QLabel>(name)->textFormat(), Qt::PlainText);
        QCOMPARE(Control<QLabel>("lblTitre")->text(), QStringLiteral("<b>x</b> & Co"));
        QCOMPARE(Control<QLabel>("lblResume")->text(), QStringLiteral("Tom & Jerry <i>"));
        QCOMPARE(Control<QLabel>("lblActeurs")->text(), QString());
        QCOMPARE(Control<QLabel>("lblAnnee")->text(), QStringLiteral("Année :"));
    }

    void secondCardReloadsFromTheStartingLayout()
    {
        ScriptedDesktop desktop;
        CardFields wide;
        wide.resume = "Un cargo spatial capte un signal venu d'une planete lointaine et "
                      "se deroute pour l'etudier, son equipage ignorant ce qui l'attend la-bas.";
        wide.acteurs = "Sigourney Weaver|Tom Skerritt|John Hurt|";
        QVERIFY(LoadViewer(writeCard(QStringLiteral("Wide.fsc"), wide, PortraitJpeg())));
        auto *summary = Control<QLabel>("lblResume");
        QVERIFY(summary->wordWrap());
        QCOMPARE(summary->width(), 143); // 2145 twips, beside the poster
        QCOMPARE(Control<QLabel>("lblActeurs")->text(), QStringLiteral("Sigourney Weaver\nTom Skerritt\nJohn Hurt"));

        QVERIFY(LoadViewer(writeCard(QStringLiteral("Short.fsc"), {})));
        QVERIFY(!summary->wordWrap());
        QVERIFY(!Control<QLabel>("imgAffiche")->isVisibleTo(Viewer()));
        QVERIFY(Control<QLabel>("picAffiche")->pixmap().isNull());
        // 3120 + 0 + 300 twips, as for a window loaded anew.
        QCOMPARE(Viewer()->frameGeometry().width(), 228);
        QCOMPARE(summary->x(), 56); // 840
        QCOMPARE(summary->width(), summary->sizeHint().width());
    }

    void unreadablePictureShowsTheCardWithoutPoster()
    {
        ScriptedDesktop desktop;
        QVERIFY(LoadViewer(writeCard(QStringLiteral("Broken.fsc"), {}, PatternBytes(300))));
        QVERIFY(!Control<QLabel>("imgAffiche")->isVisibleTo(Viewer()));
        QCOMPARE(Viewer()->frameGeometry().width(), 228);
        noWorkFolderLeft();
    }

    void viewersStartedInTheSameSecondShowTheirOwnPosters()
    {
        ScriptedDesktop desktop;
        FixedClock clock(QDateTime(QDate(2026, 12, 5), QTime(8, 31, 37)));
        // Another viewer started in the same second has made its work folder
        // and extracted its red poster into it, and is not done yet.
        const QString other = CreateWorkFolder(NameOrder::DateFirst);
        const QColor redColour(200, 40, 40);
        const QColor blueColour(40, 40, 200);
        const QByteArray red = PortraitJpeg(redColour);
        QVERIFY(ReadCardFile(writeCard(QStringLiteral("Red.fsc"), {}, red), other).hasPoster);

        QVERIFY(LoadViewer(writeCard(QStringLiteral("Blue.fsc"), {}, PortraitJpeg(blueColour))));
        QVERIFY(HasColour(Control<QLabel>("picAffiche")->pixmap(), blueColour));
        // The other viewer's folder and poster are as it left them.
        QCOMPARE(WorkFoldersIn(WorkFolderParent()), QStringList{QFileInfo(other).fileName()});
        QCOMPARE(ReadBytes(WorkFile(other, kPosterFileName)), red);

        frmInfos otherViewer;
        otherViewer.strImageFile = WorkFile(other, kPosterFileName);
        otherViewer.PositionsLoad();
        QVERIFY(HasColour(otherViewer.findChild<QLabel *>(QStringLiteral("picAffiche"))->pixmap(), redColour));
        RemoveWorkFolder(other);
        noWorkFolderLeft();
    }

    void missingOrForeignCardEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("Fichier introuvable");
        QTest::newRow("foreign") << QByteArray("@fchsc@ not a card") << QStringLiteral("Fichier incorrect");
    }

    void missingOrForeignCardEndsTheProgram()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ScriptedDesktop desktop;
        const QString path = m_folder.filePath(QStringLiteral("Bad.fsc"));
        QFile::remove(path);
        if (!bytes.isEmpty())
            WriteBytes(path, bytes);

        QVERIFY(!LoadViewer(path));
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages[0].text, message);
        QCOMPARE(desktop.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(desktop.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(desktop.messages[0].title, QStringLiteral("Fichoscope"));
        QCOMPARE(desktop.endedWith, QList<int>{1});
        noWorkFolderLeft();
        QVERIFY(!Viewer() || !Viewer()->isVisible());

        QVERIFY(!LoadViewer(path, OnCardError::KeepRunning));
        QCOMPARE(desktop.messages.size(), 2);
        QCOMPARE(desktop.endedWith, QList<int>{1});
    }

    void failureHidesAViewerAlreadyOpen()
    {
        ScriptedDesktop desktop;
        QVERIFY(LoadViewer(writeCard(QStringLiteral("Open.fsc"), {})));
        QVERIFY(!LoadViewer(m_folder.filePath(QStringLiteral("Nowhere.fsc")), OnCardError::KeepRunning));
        QVERIFY(!Viewer()->isVisible());
    }

    void cardThatCannotBeReadTellsTheReadersError()
    {
        // A file that opens but whose first bytes cannot be read.
        const QString path = QStringLiteral("/proc/self/mem");
        if (!QFileInfo(path).isFile())
            QSKIP("no such file here");
        ScriptedDesktop desktop;

        QVERIFY(!LoadViewer(path));
        QCOMPARE(desktop.messages.size(), 1);
        const QString readersError = ReadCardFile(path, QString()).errorString;
        QVERIFY(readersError.contains(path));
        QCOMPARE(desktop.messages[0].text, readersError);
        QCOMPARE(desktop.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(desktop.endedWith, QList<int>{1});
        noWorkFolderLeft();
    }
};

QTEST_MAIN(TestLoadViewer)
#include "test_load_viewer.moc"
