// Start-up, work folders, the save-target prompt, and the real desktop's
// message boxes.
#include "platform/FileDialogs.h"
#include "core/FolderLock.h"
#include "poster/PosterPicture.h"
#include "platform/QtDesktop.h"
#include "start/Startup.h"
#include "core/WorkFolder.h"
#include "core/Files.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include "platform/TerminationSignals.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstdio>

struct NameRow { QString typed, proposed, saved; };
struct FaceRow { QString commandLine, title, message; }; // title: of the one window shown
struct BoxRow { MessageButtons buttons; int shown; Answer defaultButton; int key; Answer answer; }; // key 0: closed
Q_DECLARE_METATYPE(NameRow)
Q_DECLARE_METATYPE(FaceRow)
Q_DECLARE_METATYPE(BoxRow)

namespace {

constexpr char kHoldArgument[] = "--hold-work-folder";

// Stands for an editor with unsaved changes: it will not close by itself.
class UnclosableWindow : public QWidget
{
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// This program started again as another run of the program: it makes a work
// folder in the given parent, says where, and runs until a signal ends it.
int HoldWorkFolder(const QString &parent)
{
    UnclosableWindow window;
    window.show();
    for (const int ending : {SIGTERM, SIGHUP, SIGINT}) // as from a terminal, whatever the runner ignores
        std::signal(ending, SIG_DFL);
    EndOnTerminationSignals();
    const QString folder = CreateWorkFolder(NameOrder::TimeFirst, parent);
    WriteBytes(WorkFile(folder, "fsc_img.tmp"), "poster");
    std::printf("%s\n", qPrintable(folder));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Starts a run holding a work folder in parent; the folder once it exists.
QString StartHolder(QProcess &run, const QString &parent)
{
    run.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldArgument), parent});
    while (!run.canReadLine() && run.waitForReadyRead(30000)) {
    }
    return QString::fromLocal8Bit(run.readLine()).trimmed();
}

} // namespace

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

    // "$", then 05/12/2026 and 08:31:37 as numbers in hexadecimal: 5122026 is
    // 4E27EA, 83137 is 144C1. Hidden beside the program and never shared;
    // removing one takes its fixed files and leaves anything else.
    void workFolders()
    {
        const QString dated = QCoreApplication::applicationDirPath() + "/.$4E27EA144C1";
        FixedClock clock({QDate(2026, 12, 5), QTime(8, 31, 37)});
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated);
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-2");
        QCOMPARE(CreateWorkFolder(NameOrder::DateFirst), dated + "-3");
        QCOMPARE(CreateWorkFolder(NameOrder::TimeFirst), QCoreApplication::applicationDirPath() + "/.$144C14E27EA");
        QCOMPARE(WorkFolderName({QDate(2026, 12, 5), QTime(0, 0)}, QLocale(QLocale::French), NameOrder::TimeFirst), "$04E27EA");
        QTemporaryDir cache; // a parent not made yet is made with the first folder
        QCOMPARE(CreateWorkFolder(NameOrder::TimeFirst, cache.filePath("fichoscope")), cache.filePath("fichoscope/.$144C14E27EA"));
        RemoveWorkFolder(cache.filePath("fichoscope/.$144C14E27EA"));
        for (const char *name : {"fsc_inf.tmp", "fsc_img.tmp", "Preview.fsc"})
            WriteBytes(WorkFile(dated + "-2", name), "x");
        WriteBytes(WorkFile(dated + "-3", "fsc_img.tmp"), "x");
        WriteBytes(dated + "-3/other", "kept");
        RemoveWorkFolder(dated + "-2");
        RemoveWorkFolder(dated + "-3");
        QCOMPARE(WorkFoldersLeft(), QStringList({".$144C14E27EA", ".$4E27EA144C1", ".$4E27EA144C1-3"}));
        QCOMPARE(QDir(dated + "-3").entryList(QDir::Files), QStringList{"other"});
        for (const QString &left : WorkFoldersLeft())
            QDir(QCoreApplication::applicationDirPath() + '/' + left).removeRecursively();
    }

    // The program's own limit: 4096 x 6144 pixels at 4 bytes are its 96 MB.
    // A run killed outright leaves its folder to the next start, which
    // removes it and nothing else; a run ended by a signal removes its own.
    void foldersGoWithTheirProgram_data()
    {
        QTest::addColumn<int>("ending");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void foldersGoWithTheirProgram()
    {
        QFETCH(int, ending);
        QTemporaryDir parent;
        QProcess killed, running;
        const QString killedFolder = StartHolder(killed, parent.path());
        const QString runningFolder = StartHolder(running, parent.path());
        QVERIFY(FileExists(WorkFile(killedFolder, "fsc_img.tmp")));
        killed.kill();
        QVERIFY(killed.waitForFinished());
        // Left alone: a marked folder not named as a work folder, and a work
        // folder without a mark.
        const QString notNamed = parent.filePath(".$Films"), unmarked = parent.filePath(".$4E27EA144C1");
        for (const QString &folder : {notNamed, unmarked}) {
            QVERIFY(QDir().mkdir(folder));
            WriteBytes(WorkFile(folder, "fsc_img.tmp"), "keep");
        }
        WriteBytes(WorkFile(notNamed, "fsc_lck.tmp"), "");
        RemoveAbandonedWorkFolders(parent.path());
        QVERIFY(!QFileInfo::exists(killedFolder));
        for (const QString &folder : {runningFolder, notNamed, unmarked})
            QVERIFY2(FileExists(WorkFile(folder, "fsc_img.tmp")), qPrintable(folder));
        ::kill(running.processId(), ending);
        QVERIFY(running.waitForFinished());
        QCOMPARE(running.exitCode(), 128 + ending);
        QVERIFY(!QFileInfo::exists(runningFolder));
    }

    void pictureSizeLimit()
    {
        QCOMPARE(PosterPicture::fromFile(WriteBytes(m_home.filePath("fits.bmp"), BlankBmp({4096, 6144}))).decodedWhole().size(),
                 QSize(4096, 6144));
        QVERIFY(PosterPicture::fromFile(WriteBytes(m_home.filePath("past.bmp"), BlankBmp({4096, 6145}))).isNull());
    }

    void saveTargetIsAskedFor()
    {
        ScriptedDesktop user;
        const QString existing = WriteBytes(m_documents + "Film.fsc", "old");
        // A name typed without extension is asked about the card it would replace.
        user.files = {existing, m_documents + "Film"};
        user.answers = {Answer::No, Answer::Yes};
        QCOMPARE(AskSaveTarget(nullptr, "Film"), existing);
        const MessageRequest question{"Le fichier existe déjà. Le remplacer ?", MessageButtons::YesNo, MessageIcon::Question, Answer::Yes};
        QCOMPARE(user.messages, QList<MessageRequest>({question, question}));
        const QList<FileFilter> filters{{"Fichiers Fichoscope (*.fsc)", "*.fsc"}, {"Tous les fichiers (*.*)", "*.*"}};
        const FileDialogRequest dialog{"Fichier à enregistrer", filters, m_documents, "Film.fsc", FileChoice::SaveTarget};
        QCOMPARE(user.dialogs, QList<FileDialogRequest>({dialog, dialog}));
        QCOMPARE(AskSaveTarget(nullptr, "Film"), QString()); // cancelled
    }

    // The name the dialog proposes, and the path written for the name typed.
    void cardNames_data()
    {
        QTest::addColumn<NameRow>("row");
        QTest::newRow("no extension") << NameRow{"/Mes.Films/film", "/Mes.Films/film.fsc", "/Mes.Films/film.fsc"};
        QTest::newRow("three letters") << NameRow{"film.txt", "film.txt.fsc", "film.txt"};
        QTest::newRow("capitals") << NameRow{"film.FSC", "film.FSC", "film.FSC"};
        QTest::newRow("four letters") << NameRow{"film.html", "film.html.fsc", "film.html.fsc"};
        QTest::newRow("too long") << NameRow{QString(300, u'x'), QString(254, u'x'), QString(300, u'x') + ".fsc"};
        QTest::newRow("empty") << NameRow{"", "", ".fsc"};
    }

    void cardNames()
    {
        QFETCH(NameRow, row);
        QCOMPARE(InitialFileName(row.typed), row.proposed);
        QCOMPARE(WithCardExtension(row.typed), row.saved);
    }

    void commandLineChoosesTheFace_data()
    {
        QTest::addColumn<FaceRow>("row"); // %1: a card whose path holds a space
        QTest::newRow("nothing: the editor") << FaceRow{"", "Fichoscope [Nouveau]", ""};
        QTest::newRow("quoted card") << FaceRow{"\"%1\"", " Fichoscope", ""};
        QTest::newRow("card unquoted") << FaceRow{"%1", " Fichoscope", ""};
        QTest::newRow("two quotes") << FaceRow{"\"\"", "", "Fichier introuvable"};
        QTest::newRow("empty argument") << FaceRow{JoinedArguments({QString()}), "", "Fichier introuvable"};
    }

    void commandLineChoosesTheFace()
    {
        QFETCH(FaceRow, row);
        ScriptedDesktop desk;
        const bool shownAWindow = Main(row.commandLine.replace("%1", WriteBytes(m_home.filePath("Le film.fsc"), CardBytes({}))));
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << ShownTitle(*window);
        QCOMPARE(shown, row.title.isEmpty() ? QStringList() : QStringList{row.title});
        const MessageRequest told{row.message, MessageButtons::Ok, MessageIcon::Critical};
        QCOMPARE(desk.messages, row.message.isEmpty() ? QList<MessageRequest>() : QList<MessageRequest>{told});
        QCOMPARE(shownAWindow, row.message.isEmpty());
    }

    // Qt's own save prompt, answered as a user would; a dialog left open is
    // turned down so that nothing hangs.
    void realSavePrompt_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the proposed name is kept
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen"); // in the documents folder; empty: cancelled
        QTest::newRow("proposed name") << "" << int(Qt::Key_Return) << "Casablanca.fsc";
        QTest::newRow("new name") << "Vertigo" << int(Qt::Key_Return) << "Vertigo";
        QTest::newRow("existing card, no question") << "old.fsc" << int(Qt::Key_Return) << "old.fsc";
        QTest::newRow("escape") << "Vertigo" << int(Qt::Key_Escape) << "";
    }

    void realSavePrompt()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, chosen);
        WriteBytes(m_documents + "old.fsc", "old");
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            QCOMPARE(name->text(), "Casablanca.fsc");
            if (!typed.isEmpty()) {
                name->selectAll();
                QTest::keyClicks(name, typed);
            }
            QTest::keyClick(name, Qt::Key(key));
        });
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        guard.start(5000);
        const FileDialogRequest request{"Fichier à enregistrer", CardFilters(), m_documents, "Casablanca.fsc",
                                        FileChoice::SaveTarget};
        QCOMPARE(QtDesktop().chooseFile(nullptr, request), chosen.isEmpty() ? QString() : m_documents + chosen);
        QVERIFY(!QDir(m_home.filePath(".config")).exists());
    }

    // The real desktop asks xdg-open, here a stand-in whose exit status is
    // that of its last line.
    void realOpenAnswersWithTheHandlersStatus_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no method available") << QByteArray("exit 3") << false;
        QTest::newRow("the video's absolute path") << QByteArray("[ \"$1\" = '/films/Le Mépris.avi' ]") << true;
    }

    void realOpenAnswersWithTheHandlersStatus()
    {
        QFETCH(QByteArray, handler);
        QFETCH(bool, opened);
        QTemporaryDir bin;
        const QString xdgOpen = WriteBytes(bin.filePath("xdg-open"), "#!/bin/sh\n" + handler + '\n');
        QVERIFY(QFile::setPermissions(xdgOpen, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const bool answer = QtDesktop().openUrl(QUrl::fromLocalFile("/films/Le Mépris.avi"));
        qputenv("PATH", path);
        QCOMPARE(answer, opened);
    }

    void realMessageBoxAnswers_data()
    {
        QTest::addColumn<BoxRow>("row");
        QTest::newRow("OK, Escape") << BoxRow{MessageButtons::Ok, 1, Answer::Ok, Qt::Key_Escape, Answer::Ok};
        QTest::newRow("OK, closed") << BoxRow{MessageButtons::Ok, 1, Answer::Ok, 0, Answer::Ok};
        QTest::newRow("Yes No, Escape") << BoxRow{MessageButtons::YesNo, 2, Answer::Yes, Qt::Key_Escape, Answer::No};
        QTest::newRow("Yes No, closed") << BoxRow{MessageButtons::YesNo, 2, Answer::Yes, 0, Answer::No};
        QTest::newRow("Yes No Cancel, Escape") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::Yes, Qt::Key_Escape, Answer::Cancel};
        QTest::newRow("Yes No Cancel, closed") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::Yes, 0, Answer::Cancel};
        QTest::newRow("Yes No Cancel, Enter") << BoxRow{MessageButtons::YesNoCancel, 3, Answer::No, Qt::Key_Return, Answer::No};
    }

    void realMessageBoxAnswers()
    {
        QFETCH(BoxRow, row);
        QString shown;
        WhenModal([&](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            QVERIFY(box);
            shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon()) + '|' + QString::number(box->buttons().size());
            row.key ? QTest::keyClick(box, Qt::Key(row.key)) : void(box->close());
        });
        const MessageRequest request{"Première ligne\rseconde", row.buttons, MessageIcon::Warning, row.defaultButton};
        QCOMPARE(QtDesktop().showMessage(nullptr, request), row.answer);
        QCOMPARE(shown, QStringLiteral("Fichoscope|Première ligne\nseconde|%1|%2").arg(QMessageBox::Warning).arg(row.shown));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kHoldArgument) == 0)
        return HoldWorkFolder(QString::fromLocal8Bit(argv[2]));
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_app.moc"
