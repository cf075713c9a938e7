#include "DocumentTesting.h"

#include "app/WorkFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

// New, Open, Save, Save As and Preview through the real window, with the
// user's answers scripted.
class TestDocumentCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A card with a poster on disk, opened in a fresh editor.
    std::unique_ptr<frmMain> OpenedEditor(ScriptedDesktop &user, const QString &card, const QByteArray &bytes)
    {
        WriteBytes(card, bytes);
        auto editor = ShowNewEditor();
        user.answerFiles({card});
        editor->Open();
        return editor;
    }

    // The viewer window, when one is on screen.
    static QWidget *ShownViewer()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("frmInfos") && window->isVisible())
                return window;
        return nullptr;
    }

    static void CheckState(const frmMain &editor, const QString &title, bool save, bool saveAs, bool reset)
    {
        QCOMPARE(editor.windowTitle(), title);
        QCOMPARE(editor.mnuFileSave->isEnabled(), save);
        QCOMPARE(editor.mnuFileSaveAs->isEnabled(), saveAs);
        QCOMPARE(editor.mnuPopReset->isEnabled(), reset);
    }

private slots:
    void cleanup()
    {
        QCOMPARE(WorkFoldersLeft(), QStringList());
    }

    void newOnAnUnmodifiedCardAsksNothing()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        editor->New();
        QVERIFY(user.messages.isEmpty());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau]"), false, false, false);
    }

    void saveOfANewCard()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
        const QString card = path(QStringLiteral("Casablanca.fsc"));
        user.answerFiles({card});
        QVERIFY(editor->Save());
        QCOMPARE(user.fileDialogs.size(), 1);
        QCOMPARE(user.fileDialogs.first().initialName, QStringLiteral("Casablanca.fsc"));
        QCOMPARE(ReadBytes(card), CardBytes(TitleOnly("Casablanca")));
        CheckState(*editor, QStringLiteral("Fichoscope [Casablanca.fsc]"), false, false, true);
        QCOMPARE(editor->lblFile, card);
        QVERIFY(!editor->blnAffiMod);
    }

    void saveOfANewCardCancelledChangesNothing()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        QVERIFY(!editor->Save());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
        QCOMPARE(editor->lblFile, QString());
    }

    void emptyTitleStopsSaveSaveAsAndPreview()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtType, QStringLiteral("Drame"));
        editor->Save();
        editor->SaveAs();
        editor->Preview();
        const QString refused = QStringLiteral("Vous devez entrer le titre du film");
        QCOMPARE(user.messageTexts(), QStringList({refused, refused, refused}));
        QCOMPARE(user.messages.first().icon, MessageIcon::None);
        QVERIFY(user.fileDialogs.isEmpty());
        QCOMPARE(QApplication::focusWidget(), editor->txtTitre);
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
    }

    void newOnAModifiedCardAnsweredYesSavesIt()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        const QString card = path(QStringLiteral("yes.fsc"));
        user.answerMessages({Answer::Yes});
        user.answerFiles({card});
        editor->New();
        QCOMPARE(user.messages.size(), 1);
        QCOMPARE(user.messages.first().text, QStringLiteral("Voulez-vous enregistrer la fiche avant de quitter ?"));
        QCOMPARE(user.messages.first().buttons, MessageButtons::YesNoCancel);
        QCOMPARE(user.messages.first().icon, MessageIcon::Question);
        QCOMPARE(user.messages.first().defaultButton, Answer::Yes);
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Casablanca"));
        CheckState(*editor, QStringLiteral("Fichoscope [yes.fsc]"), false, false, true);
        QVERIFY(FileExists(card));

        editor->New();
        QCOMPARE(user.messages.size(), 1);
        QCOMPARE(editor->txtTitre->text(), QString());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau]"), false, false, false);
    }

    void newAnsweredCancelOrNo()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        user.answerMessages({Answer::Cancel, Answer::No});
        editor->New();
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Casablanca"));
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
        editor->New();
        QCOMPARE(editor->txtTitre->text(), QString());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau]"), false, false, false);
    }

    void openFillsTheEditor()
    {
        ScriptedDesktop user;
        const QByteArray poster = MakePicture(path(QStringLiteral("p.jpg")), 40, 60);
        const QString card = path(QStringLiteral("Alien.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields(), poster));
        const FileDialogRequest &asked = user.fileDialogs.first();
        QCOMPARE(asked.title, QStringLiteral("Fichier à enregistrer"));
        QCOMPARE(asked.choice, FileChoice::Existing);
        QCOMPARE(asked.initialName, QString());
        QCOMPARE(asked.filters.first().patterns, QStringLiteral("*.fsc"));
        QVERIFY(user.messages.isEmpty());

        CheckState(*editor, QStringLiteral("Fichoscope [Alien.fsc]"), false, false, true);
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Alien"));
        QCOMPARE(editor->txtDuree1->text(), QStringLiteral("1"));
        QCOMPARE(editor->txtDuree2->text(), QStringLiteral("57"));
        QCOMPARE(ListedActors(*editor), QStringList({QStringLiteral("Weaver")}));
        QVERIFY(editor->imgAffiche->isVisible());
        QCOMPARE(editor->lblAffiche, QString());
        QVERIFY(!editor->blnAffiMod);
        QCOMPARE(ReadBytes(editor->strImage), poster);
        QCOMPARE(WorkFoldersLeft().size(), 1); // the reset copy, until the card goes
        editor->New();
    }

    void aFileNameHoldingTheModifiedMarkShowsAsItIs()
    {
        ScriptedDesktop user;
        auto editor = OpenedEditor(user, path(QStringLiteral("a[*]b.fsc")), CardBytes(CardFields()));
        QCOMPARE(editor->windowHandle()->title(), QStringLiteral("Fichoscope [a[*]b.fsc]"));
        editor->txtType->setText(QStringLiteral("X"));
        QCOMPARE(editor->windowHandle()->title(), QStringLiteral("Fichoscope [a[*]b.fsc*]"));
    }

    void openCancelledAfterNoKeepsTheModifiedCard()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Gilda"));
        user.answerMessages({Answer::No});
        editor->Open();
        QCOMPARE(user.messageTexts(), QStringList({QStringLiteral("Voulez-vous enregistrer la fiche actuelle ?")}));
        QCOMPARE(user.fileDialogs.size(), 1);
        QCOMPARE(editor->txtTitre->text(), QStringLiteral("Gilda"));
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
    }

    void headerRewriteThenNewPosterThenSaveAs()
    {
        ScriptedDesktop user;
        const QByteArray first = MakePicture(path(QStringLiteral("first.jpg")), 30, 45, Qt::blue);
        const QString card = path(QStringLiteral("Alien.fsc"));
        const QByteArray original = CardBytes(CardFields(), first);
        auto editor = OpenedEditor(user, card, original);

        // Texts alone: only the first 1175 bytes change.
        editor->txtType->setText(QStringLiteral("Horreur"));
        CheckState(*editor, QStringLiteral("Fichoscope [Alien.fsc*]"), true, true, true);
        QVERIFY(editor->Save());
        CardFields edited;
        edited.type = "Horreur";
        QCOMPARE(ReadBytes(card), CardBytes(edited, first));
        CheckState(*editor, QStringLiteral("Fichoscope [Alien.fsc]"), false, false, true);

        // A new poster: the whole card is built anew around it.
        const QString secondPath = path(QStringLiteral("second.jpg"));
        const QByteArray second = MakePicture(secondPath, 50, 40, Qt::green);
        user.answerFiles({secondPath});
        editor->ChoosePoster();
        QVERIFY(editor->blnAffiMod);
        QCOMPARE(editor->lblAffiche, secondPath);
        QVERIFY(editor->Save());
        QVERIFY(!editor->blnAffiMod);
        QCOMPARE(ReadBytes(card), CardBytes(edited, second));

        // Save As: the new file takes texts and poster; the old one stays.
        editor->txtRealisateur->setText(QStringLiteral("Ridley Scott"));
        const QString copy = path(QStringLiteral("Alien2.fsc"));
        user.answerFiles({copy});
        editor->SaveAs();
        QCOMPARE(user.fileDialogs.last().initialName, card);
        edited.realisateur = "Ridley Scott";
        QCOMPARE(ReadBytes(copy), CardBytes(edited, second));
        CardFields before;
        before.type = "Horreur";
        QCOMPARE(ReadBytes(card), CardBytes(before, second));
        CheckState(*editor, QStringLiteral("Fichoscope [Alien2.fsc]"), false, false, true);
        QCOMPARE(editor->lblFile, copy);
        editor->New();
    }

    void saveAsOfAnOpenedCardWithoutPoster()
    {
        ScriptedDesktop user;
        const QString card = path(QStringLiteral("plain.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields()));
        editor->txtTitre->setText(QStringLiteral("Aliens"));
        const QString copy = path(QStringLiteral("plain2.fsc"));
        user.answerFiles({copy});
        editor->SaveAs();
        CardFields edited;
        edited.titre = "Aliens";
        QCOMPARE(ReadBytes(copy), CardBytes(edited));
        QCOMPARE(ReadBytes(copy).size(), 1176);
    }

    void saveAsCancelledKeepsEverything()
    {
        ScriptedDesktop user;
        const QString card = path(QStringLiteral("keep.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields()));
        editor->txtType->setText(QStringLiteral("Western"));
        editor->SaveAs();
        CheckState(*editor, QStringLiteral("Fichoscope [keep.fsc*]"), true, true, true);
        QVERIFY(editor->Save()); // to its own file, without a dialog
        QCOMPARE(user.fileDialogs.size(), 2);
        CardFields edited;
        edited.type = "Western";
        QCOMPARE(ReadBytes(card), CardBytes(edited));
    }

    void previewLeavesTheEditorAsItWas()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Metropolis"));
        editor->Preview();
        QVERIFY(user.messages.isEmpty());
        QWidget *shown = ShownViewer();
        QVERIFY(shown);
        QCOMPARE(shown->findChild<QLabel *>(QStringLiteral("lblTitre"))->text(), QStringLiteral("Metropolis"));
        shown->close();
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
        QCOMPARE(editor->lblFile, QString());
    }

    void previewOfAnOpenedCardShowsItsPoster()
    {
        ScriptedDesktop user;
        const QByteArray poster = MakePicture(path(QStringLiteral("pv.jpg")), 40, 60);
        auto editor = OpenedEditor(user, path(QStringLiteral("pv.fsc")), CardBytes(CardFields(), poster));
        editor->Preview();
        QWidget *shown = ShownViewer();
        QVERIFY(shown);
        const auto *image = shown->findChild<QLabel *>(QStringLiteral("imgAffiche"));
        QVERIFY(image->isVisible());
        QCOMPARE(image->pixmap().isNull(), false);
        shown->close();
        editor->New();
    }

    void closeRequest()
    {
        ScriptedDesktop user;
        const QString card = path(QStringLiteral("film.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields(), MakePicture(path(QStringLiteral("c.jpg")), 8, 8)));
        const QStringList resetFolder = WorkFoldersLeft();
        QCOMPARE(resetFolder.size(), 1);

        editor->txtType->setText(QStringLiteral("X"));
        user.answerMessages({Answer::Cancel});
        QVERIFY(!editor->close());
        const MessageRequest &question = user.messages.first();
        QCOMPARE(question.text, QStringLiteral("Enregistrer les modifications apportées à \"film.fsc\" ?"));
        QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(question.icon, MessageIcon::Warning);
        QCOMPARE(question.defaultButton, Answer::Yes);
        QVERIFY(editor->isVisible());
        CheckState(*editor, QStringLiteral("Fichoscope [film.fsc*]"), true, true, true);
        QCOMPARE(WorkFoldersLeft(), resetFolder);

        user.answerMessages({Answer::No});
        QVERIFY(editor->close());
        QCOMPARE(user.messages.size(), 2);
        QCOMPARE(WorkFoldersLeft(), QStringList());
        QCOMPARE(ReadBytes(card).mid(65, 3), QByteArray("SF ")); // the type "X" was not saved
    }

    void closeRequestOfAnUnmodifiedCardAsksNothing()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QVERIFY(editor->close());
        QVERIFY(user.messages.isEmpty());
    }

    void closeAnsweredYesWithoutSavingKeepsTheWindow()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Nosferatu"));
        user.answerMessages({Answer::Yes}); // then the save prompt is cancelled
        QVERIFY(!editor->close());
        QVERIFY(editor->isVisible());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);

        const QString card = path(QStringLiteral("Nosferatu.fsc"));
        user.answerMessages({Answer::Yes});
        user.answerFiles({card});
        QVERIFY(editor->close());
        QCOMPARE(ReadBytes(card), CardBytes(TitleOnly("Nosferatu")));
    }

    void aCardThatCannotBeWrittenIsReported()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        const QString target = path(QStringLiteral("gone/Casablanca.fsc"));
        user.answerFiles({target});
        QVERIFY(!editor->Save());
        QCOMPARE(user.messages.size(), 1);
        QCOMPARE(user.messages.first().icon, MessageIcon::Critical);
        QVERIFY(user.messages.first().text.contains(QStringLiteral("Casablanca.fsc")));
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau*]"), true, false, false);
        QVERIFY(!QFileInfo::exists(target));
    }

    void aFailedSaveOfAFiledCardKeepsItsState()
    {
        ScriptedDesktop user;
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("shelf")));
        const QString card = path(QStringLiteral("shelf/f.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields()));
        const QString picture = path(QStringLiteral("f.jpg"));
        MakePicture(picture, 10, 10);
        user.answerFiles({picture});
        editor->ChoosePoster();
        QVERIFY(QDir(path(QStringLiteral("shelf"))).removeRecursively());
        QVERIFY(!editor->Save());
        QCOMPARE(user.messages.last().icon, MessageIcon::Critical);
        CheckState(*editor, QStringLiteral("Fichoscope [f.fsc*]"), true, true, true);
        QVERIFY(editor->blnAffiMod);
        QCOMPARE(editor->lblFile, card);
    }

    void aMissingOrForeignCardEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Fichier introuvable";
        QTest::newRow("foreign") << QByteArray("GIF89a and so on") << "Fichier incorrect";
    }

    void aMissingOrForeignCardEndsTheProgram()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        ScriptedDesktop user;
        const QString card = path(QStringLiteral("odd.fsc"));
        QFile::remove(card);
        if (!content.isNull())
            WriteBytes(card, content);
        auto editor = ShowNewEditor();
        user.answerFiles({card});
        editor->Open();
        QCOMPARE(user.messageTexts(), QStringList({message}));
        QCOMPARE(user.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(user.endedWith, QList<int>({1}));
    }

    void anUnreadableCardLeavesAnEmptyNewCard()
    {
#ifndef Q_OS_LINUX
        QSKIP("needs a file that opens but cannot be read");
#endif
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Old"));
        user.answerMessages({Answer::No});
        user.answerFiles({QStringLiteral("/proc/self/mem")});
        editor->Open();
        QCOMPARE(user.messages.size(), 2);
        QCOMPARE(user.messages.last().icon, MessageIcon::Critical);
        QVERIFY(user.messages.last().text.contains(QStringLiteral("/proc/self/mem")));
        QVERIFY(user.endedWith.isEmpty());
        QCOMPARE(editor->txtTitre->text(), QString());
        CheckState(*editor, QStringLiteral("Fichoscope [Nouveau]"), false, false, false);
    }

    void resetWithNothingToPutBackChangesNothing()
    {
        ScriptedDesktop user;
        auto editor = ShowNewEditor();
        QTest::keyClicks(editor->txtTitre, QStringLiteral("Casablanca"));
        user.answerFiles({path(QStringLiteral("reset.fsc"))});
        QVERIFY(editor->Save());
        QVERIFY(editor->mnuPopReset->isEnabled());
        editor->mnuPopReset->trigger();
        CheckState(*editor, QStringLiteral("Fichoscope [reset.fsc]"), false, false, true);
        QCOMPARE(editor->lblAffiche, QString());
        QVERIFY(!editor->blnAffiMod);
    }

    void resetAfterOpenPutsThePosterBack()
    {
        ScriptedDesktop user;
        const QByteArray poster = MakePicture(path(QStringLiteral("r.jpg")), 20, 30);
        const QString card = path(QStringLiteral("r.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields(), poster));
        editor->RemovePoster();
        QVERIFY(!editor->imgAffiche->isVisible());
        QVERIFY(editor->blnAffiMod);
        editor->mnuPopReset->trigger();
        QVERIFY(editor->imgAffiche->isVisible());
        QVERIFY(!editor->blnAffiMod); // inverted back
        editor->mnuPopReset->trigger();
        QVERIFY(editor->blnAffiMod);
        QVERIFY(editor->Save()); // a full build, with the same picture
        QCOMPARE(ReadBytes(card), CardBytes(CardFields(), poster));
        editor->New();
    }

    void aCardWhoseFileVanishedIsWrittenWhole()
    {
        ScriptedDesktop user;
        const QByteArray poster = MakePicture(path(QStringLiteral("v.jpg")), 20, 30);
        const QString card = path(QStringLiteral("v.fsc"));
        auto editor = OpenedEditor(user, card, CardBytes(CardFields(), poster));
        QVERIFY(QFile::remove(card));
        editor->txtType->setText(QStringLiteral("Culte"));
        QVERIFY(editor->Save());
        CardFields edited;
        edited.type = "Culte";
        QCOMPARE(ReadBytes(card), CardBytes(edited, poster));

        // Replaced by something that is no card: written whole again, not patched.
        WriteBytes(card, QByteArray(3000, 'z'));
        editor->txtType->setText(QStringLiteral("Classique"));
        const QString copy = path(QStringLiteral("v2.fsc"));
        user.answerFiles({copy});
        editor->SaveAs();
        edited.type = "Classique";
        QCOMPARE(ReadBytes(copy), CardBytes(edited, poster));
        editor->New();
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
