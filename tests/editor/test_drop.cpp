#include "DocumentTesting.h"

#include "app/Twips.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

// Files dropped on the editor: a picture on the poster's column is taken
// as if chosen with "Modifier", a card anywhere is opened as Open does.
class TestDrop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Drags the files over the widget at the point and drops them; true
    // when the drop was accepted.
    static bool DropOn(QWidget *widget, QPoint at, const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        return drop.isAccepted();
    }

private slots:
    void pictureDroppedOnThePoster()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString picture = path(QStringLiteral("drop.jpg"));
        MakePicture(picture, 100, 150);
        // The frame "Affiche" stands in the poster's column.
        QVERIFY(DropOn(editor->fraAffiche, QPoint(10, 10), {picture}));
        QVERIFY(user.fileDialogs.isEmpty());
        QCOMPARE(editor->lblAffiche, picture);
        QVERIFY(editor->imgAffiche->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau*]"));
    }

    void pictureDroppedElsewhereIsRefused()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString picture = path(QStringLiteral("elsewhere.jpg"));
        MakePicture(picture, 10, 10);
        QVERIFY(!DropOn(editor->txtType, QPoint(5, 5), {picture}));
        QCOMPARE(editor->txtType->text(), QString());
        QCOMPARE(editor->lblAffiche, QString());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau]"));
    }

    void noPictureDroppedOnThePoster()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString text = path(QStringLiteral("notes.txt"));
        WriteBytes(text, "text");
        QVERIFY(DropOn(editor->fraAffiche, QPoint(10, 10), {text}));
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Image incorrecte")}));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau]"));
    }

    void cardDroppedOnATextBoxIsOpenedAfterTheSaveQuestion()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Unsaved"));
        const QString card = path(QStringLiteral("Alien.fsc"));
        WriteBytes(card, CardBytes(CardFields()));
        user.answerMessages({Answer::No});
        QVERIFY(DropOn(editor->txtRealisateur, QPoint(5, 5), {card}));
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Voulez-vous enregistrer la fiche actuelle ?")}));
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Alien"));
        QCOMPARE(editor->txtRealisateur->text(), QStringLiteral("Scott"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Alien.fsc]"));
    }

    void cardDropAnsweredCancelChangesNothing()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Kept"));
        const QString card = path(QStringLiteral("Other.fsc"));
        WriteBytes(card, CardBytes(CardFields()));
        user.answerMessages({Answer::Cancel});
        DropOn(editor->fraAffiche, QPoint(5, 5), {card});
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Kept"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Fichoscope [Nouveau*]"));
    }

    void twoFilesAreRefused()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        const QString a = path(QStringLiteral("a.jpg"));
        const QString b = path(QStringLiteral("b.jpg"));
        MakePicture(a, 10, 10);
        MakePicture(b, 10, 10);
        QVERIFY(!DropOn(editor->fraAffiche, QPoint(5, 5), {a, b}));
        QCOMPARE(editor->lblAffiche, QString());
    }
};

QTEST_MAIN(TestDrop)
#include "test_drop.moc"
