// Start-up, work folders, the save-target prompt and the real desktop's
// message boxes.
#include "app/FileDialogs.h"
#include "app/QtDesktop.h"
#include "app/Startup.h"
#include "app/WorkFolder.h"
#include "support/CardBytes.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class TestApp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_documents;

private slots:
    void initTestCase()
    {
        // The documents folder is the user's: give the test a home of its own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        m_documents = m_home.filePath("Documents/");
        QVERIFY(QDir().mkpath(m_documents));
    }

    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(WorkFoldersLeft(), QStringList());
    }

    void workFolderNames()
    {
        // 05/12/2026 08:31:37: 5122026 = 0x4E27EA and 83137 = 0x144C1; midnight is 0.
        const QLocale french(QLocale::French, QLocale::France);
        const QDate day(2026, 12, 5);
        QCOMPARE(WorkFolderName({day, QTime(8, 31, 37)}, french, NameOrder::DateFirst), "$4E27EA144C1");
        QCOMPARE(WorkFolderName({day, QTime(8, 31, 37)}, french, NameOrder::TimeFirst), "$144C14E27EA");
        QCOMPARE(WorkFolderName({day, QTime(0, 0)}, french, NameOrder::TimeFirst), "$04E27EA");
    }

    // Made hidden beside the program, never shared within one second; removing
    // one takes its fixed files and leaves anything else.
    void workFoldersAreEachCommandsOwn()
    {
        FixedClock clock({QDate(2026, 12, 5), QTime(8, 31, 37)});
        const QString dated = QCoreApplication::applicationDirPath() + "/.$4E27EA144C1";
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated);
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-2");
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-3");
        QCOMPARE(CreateWorkFolder(NameOrder::TimeFirst), QCoreApplication::applicationDirPath() + "/.$144C14E27EA");
        for (const char *name : {kInfoFileName, kPosterFileName, kPreviewFileName})
            WriteBytes(WorkFile(dated + "-2", name), "x");
        WriteBytes(dated + "-3/" + kPosterFileName, "x");
        WriteBytes(dated + "-3/other", "kept");
        RemoveWorkFolder(dated + "-2");
        RemoveWorkFolder(dated + "-3");
        QCOMPARE(WorkFoldersLeft(), QStringList({".$144C14E27EA", ".$4E27EA144C1", ".$4E27EA144C1-3"}));
        QCOMPARE(QDir(dated + "-3").entryList(QDir::Files), QStringList{"other"});
        for (const QString &left : WorkFoldersLeft())
            QDir(QCoreApplication::applicationDirPath() + '/' + left).removeRecursively();
    }

    void saveTargetIsAskedFor()
    {
        ScriptedDesktop user;
        const QString existing = WriteBytes(m_documents + "Film.fsc", "old");
        // A name typed without extension is asked about the card it would replace.
        user.files = {existing, m_documents + "Film", m_documents + "Autre"};
        user.answers = {Answer::No, Answer::Yes};
        QCOMPARE(AskSaveTarget(nullptr, "Film"), existing);
        const MessageRequest question{"Le fichier existe déjà. Le remplacer ?", MessageButtons::YesNo,
                                      MessageIcon::Question, Answer::Yes};
        QCOMPARE(user.messages, QList<MessageRequest>({question, question}));
        const FileDialogRequest dialog{"Fichier à enregistrer", CardFilters(), m_documents, "Film.fsc", false};
        QCOMPARE(user.dialogs, QList<FileDialogRequest>({dialog, dialog}));
        QCOMPARE(CardFilters(), QList<FileFilter>({{"Fichiers Fichoscope (*.fsc)", "*.fsc"}, {"Tous les fichiers (*.*)", "*.*"}}));
        QCOMPARE(AskSaveTarget(nullptr, "Film"), m_documents + "Autre.fsc");
        QCOMPARE(AskSaveTarget(nullptr, "Film"), QString()); // cancelled
    }

    void savedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("three letters kept") << "/films/film.txt" << "/films/film.txt";
        QTest::newRow("capitals kept") << "/films/film.FSC" << "/films/film.FSC";
        QTest::newRow("two letters") << "/films/film.fs" << "/films/film.fs.fsc";
        QTest::newRow("four letters") << "/films/film.html" << "/films/film.html.fsc";
        QTest::newRow("dot in a folder") << "/Mes.Films/film" << "/Mes.Films/film.fsc";
    }

    void savedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QCOMPARE(WithCardExtension(typed), saved);
    }

    void proposedNames()
    {
        QCOMPARE(InitialFileName("Film"), "Film.fsc");
        QCOMPARE(InitialFileName("Film.FSC"), "Film.FSC");
        QCOMPARE(InitialFileName("Film.fs"), "Film.fs.fsc");
        QCOMPARE(InitialFileName(QString(300, u'x')), QString(254, u'x'));
        QCOMPARE(InitialFileName(""), "");
    }

    void commandLineChoosesTheFace_data()
    {
        QTest::addColumn<QString>("commandLine"); // %1: a card whose path holds a space
        QTest::addColumn<QString>("title");       // of the one window shown; empty for none
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing: the editor") << "" << "Fichoscope [Nouveau]" << "";
        QTest::newRow("quoted card") << "\"%1\"" << " Fichoscope" << "";
        QTest::newRow("card unquoted") << "%1" << " Fichoscope" << "";
        QTest::newRow("a stray quote") << "\"%1" << " Fichoscope" << "";
        QTest::newRow("two quotes") << "\"\"" << "" << "Fichier introuvable";
        QTest::newRow("two cards") << "%1 %1" << "" << "Fichier introuvable";
    }

    void commandLineChoosesTheFace()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, title);
        QFETCH(QString, message);
        ScriptedDesktop desk;
        const QString card = WriteBytes(m_home.filePath("Le film.fsc"), CardBytes({.titre = "Nosferatu"}));
        Main(commandLine.replace("%1", card));
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window->windowTitle();
        QCOMPARE(shown, title.isEmpty() ? QStringList() : QStringList{title});
        const MessageRequest told{message, MessageButtons::Ok, MessageIcon::Critical};
        QCOMPARE(desk.messages, message.isEmpty() ? QList<MessageRequest>() : QList<MessageRequest>{told});
        QCOMPARE(desk.ended, message.isEmpty() ? QList<int>() : QList<int>{1});
    }

    void realMessageBoxAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("key"); // 0: the box is closed by its title bar
        QTest::addColumn<int>("answer");
        const int ok = int(Answer::Ok), yes = int(Answer::Yes), no = int(Answer::No), cancel = int(Answer::Cancel);
        QTest::newRow("OK, Escape") << int(MessageButtons::Ok) << ok << int(Qt::Key_Escape) << ok;
        QTest::newRow("OK, closed") << int(MessageButtons::Ok) << ok << 0 << ok;
        QTest::newRow("Yes No, Escape") << int(MessageButtons::YesNo) << yes << int(Qt::Key_Escape) << no;
        QTest::newRow("Yes No, closed") << int(MessageButtons::YesNo) << yes << 0 << no;
        QTest::newRow("Yes No, Enter") << int(MessageButtons::YesNo) << yes << int(Qt::Key_Return) << yes;
        QTest::newRow("Yes No Cancel, Escape") << int(MessageButtons::YesNoCancel) << yes << int(Qt::Key_Escape) << cancel;
        QTest::newRow("Yes No Cancel, closed") << int(MessageButtons::YesNoCancel) << yes << 0 << cancel;
        QTest::newRow("Yes No Cancel, Enter") << int(MessageButtons::YesNoCancel) << no << int(Qt::Key_Return) << no;
    }

    void realMessageBoxAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, key);
        QFETCH(int, answer);
        QString shown;
        WhenModal([&](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            QVERIFY(box);
            shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
            key ? QTest::keyClick(box, Qt::Key(key)) : void(box->close());
        });
        const MessageRequest request{"Première ligne\rseconde", MessageButtons(buttons), MessageIcon::Warning,
                                     Answer(defaultButton)};
        QCOMPARE(int(QtDesktop().showMessage(nullptr, request)), answer);
        QCOMPARE(shown, "Fichoscope|Première ligne\nseconde|" + QString::number(QMessageBox::Warning));
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
