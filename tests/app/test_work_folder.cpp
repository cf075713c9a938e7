#include "app/TerminationSignals.h"
#include "app/WorkFolder.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

const QDateTime kWorked(QDate(2026, 12, 5), QTime(8, 31, 37));

QString Parent()
{
    return QCoreApplication::applicationDirPath();
}

constexpr char kHoldArgument[] = "--hold-work-folder";

// Stands for an editor with unsaved changes: it will not close by itself.
class UnclosableWindow : public QWidget
{
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// This program started again as another run of the program: it makes a work
// folder with a poster in the given parent, says where, and runs until a
// signal ends it.
int HoldWorkFolder(const QString &parent)
{
    UnclosableWindow window;
    window.show();
    // As started from a terminal, whatever the test runner ignores.
    for (const int ending : {SIGTERM, SIGHUP, SIGINT})
        std::signal(ending, SIG_DFL);
    EndOnTerminationSignals();
    const QString folder = CreateWorkFolder(NameOrder::TimeFirst, parent);
    WriteBytes(WorkFile(folder, kPosterFileName), "poster");
    std::printf("%s\n", qPrintable(folder));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Starts a run holding a work folder in parent; returns the folder once it exists.
QString StartHolder(QProcess &run, const QString &parent)
{
    run.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldArgument), parent});
    while (!run.canReadLine() && run.waitForReadyRead(30000)) {
    }
    return QString::fromLocal8Bit(run.readLine()).trimmed();
}

} // namespace

class TestWorkFolder : public QObject
{
    Q_OBJECT

private:
    QStringList m_made;

    QString made(QString folder)
    {
        m_made << folder;
        return folder;
    }

private slots:
    void cleanup()
    {
        RemoveOwnWorkFolders();
        for (const QString &folder : std::as_const(m_made))
            QDir(folder).removeRecursively();
        m_made.clear();
    }

    void namesOfTheWorkedExample()
    {
        const QLocale french(QLocale::French, QLocale::France);
        // 05/12/2026 -> 5122026 = 0x4E27EA; 08:31:37 -> 83137 = 0x144C1.
        QCOMPARE(WorkFolderName(kWorked, french, NameOrder::DateFirst), QStringLiteral("$4E27EA144C1"));
        QCOMPARE(WorkFolderName(kWorked, french, NameOrder::TimeFirst), QStringLiteral("$144C14E27EA"));
    }

    void atMidnightTheTimePartIsZero()
    {
        const QDateTime midnight(QDate(2026, 12, 5), QTime(0, 0, 0));
        const QLocale french(QLocale::French, QLocale::France);
        QCOMPARE(WorkFolderName(midnight, french, NameOrder::DateFirst), QStringLiteral("$4E27EA0"));
        QCOMPARE(WorkFolderName(midnight, french, NameOrder::TimeFirst), QStringLiteral("$04E27EA"));
    }

    void namesAreDigitsBasedWhateverTheLocale()
    {
        // C: "d MMM yyyy" with the month as its number, 5 12 2026 -> 5122026.
        QCOMPARE(WorkFolderName(kWorked, QLocale::c(), NameOrder::DateFirst), QStringLiteral("$4E27EA144C1"));
        // German "dd.MM.yy": 051226 -> 51226 = 0xC81A.
        QCOMPARE(WorkFolderName(kWorked, QLocale(QLocale::German, QLocale::Germany), NameOrder::DateFirst),
                 QStringLiteral("$C81A144C1"));
        // US "M/d/yy" and "h:mm:ss AP": 12526 = 0x30EE; the AM mark is no digit.
        QCOMPARE(WorkFolderName(kWorked, QLocale(QLocale::English, QLocale::UnitedStates), NameOrder::DateFirst),
                 QStringLiteral("$30EE144C1"));
    }

    void createMakesAHiddenFolderBesideTheProgram()
    {
        FixedClock clock(kWorked);
        const QString folder = made(CreateWorkFolder(NameOrder::DateFirst));
        QVERIFY(!folder.isEmpty());
        const QFileInfo info(folder);
        QVERIFY(info.isDir());
        QCOMPARE(info.absolutePath(), Parent());
        QVERIFY(info.isHidden());
        QVERIFY(info.fileName().contains(u'$'));
    }

    void sameSecondGivesDistinctFolders()
    {
        FixedClock clock(kWorked);
        const QString first = made(CreateWorkFolder(NameOrder::DateFirst));
        const QString second = made(CreateWorkFolder(NameOrder::DateFirst));
        const QString third = made(CreateWorkFolder(NameOrder::DateFirst));
        const QString other = made(CreateWorkFolder(NameOrder::TimeFirst));
        QCOMPARE(QSet<QString>({first, second, third, other}).size(), 4);
        QCOMPARE(second, first + QStringLiteral("-2"));
        QCOMPARE(third, first + QStringLiteral("-3"));

        // Removing ours never touches the other run's folder or its files.
        WriteBytes(WorkFile(first, kPosterFileName), "theirs");
        RemoveWorkFolder(second);
        QVERIFY(!QFileInfo::exists(second));
        QCOMPARE(ReadBytes(WorkFile(first, kPosterFileName)), QByteArray("theirs"));
    }

    void removeDeletesTheFixedFiles()
    {
        FixedClock clock(kWorked);
        const QString folder = made(CreateWorkFolder(NameOrder::DateFirst));
        WriteBytes(WorkFile(folder, kInfoFileName), "i");
        WriteBytes(WorkFile(folder, kPreviewFileName), "p");
        RemoveWorkFolder(folder);
        QVERIFY(!QFileInfo::exists(folder));
    }

    void removeLeavesAFolderWithOtherFiles()
    {
        FixedClock clock(kWorked);
        const QString folder = made(CreateWorkFolder(NameOrder::DateFirst));
        WriteBytes(WorkFile(folder, kPosterFileName), "x");
        WriteBytes(folder + QStringLiteral("/other.txt"), "keep");
        RemoveWorkFolder(folder);
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QFileInfo::exists(WorkFile(folder, kPosterFileName)));
        QCOMPARE(ReadBytes(folder + QStringLiteral("/other.txt")), QByteArray("keep"));
    }

    void removeOfNothingDoesNothing()
    {
        const QStringList before = WorkFoldersIn(Parent());
        RemoveWorkFolder(Parent() + QStringLiteral("/.$0"));
        RemoveWorkFolder(QString());
        QCOMPARE(WorkFoldersIn(Parent()), before);
        QVERIFY(QFileInfo(Parent()).isDir());
    }

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
        QVERIFY(FileExists(WorkFile(killedFolder, kPosterFileName)));
        killed.kill();
        QVERIFY(killed.waitForFinished());
        // Left alone: a folder not named as a work folder, though marked and
        // held by no one, and a work folder without a mark.
        const QString notNamed = parent.filePath(QStringLiteral(".$Films"));
        const QString unmarked = parent.filePath(QStringLiteral(".$4E27EA144C1"));
        for (const QString &folder : {notNamed, unmarked}) {
            QVERIFY(QDir().mkdir(folder));
            WriteBytes(WorkFile(folder, kPosterFileName), "keep");
        }
        WriteBytes(WorkFile(notNamed, kLockFileName), "");

        RemoveAbandonedWorkFolders(parent.path());
        QVERIFY(!QFileInfo::exists(killedFolder));
        for (const QString &folder : {runningFolder, notNamed, unmarked})
            QVERIFY2(FileExists(WorkFile(folder, kPosterFileName)), qPrintable(folder));

        ::kill(running.processId(), ending);
        QVERIFY(running.waitForFinished());
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.exitCode(), 128 + ending);
        QVERIFY(!QFileInfo::exists(runningFolder));
    }

    void fileExists()
    {
        FixedClock clock(kWorked);
        const QString folder = made(CreateWorkFolder(NameOrder::DateFirst));
        WriteBytes(WorkFile(folder, kPosterFileName), "x");
        QVERIFY(FileExists(WorkFile(folder, kPosterFileName)));
        QVERIFY(!FileExists(WorkFile(folder, kInfoFileName)));
        QVERIFY(!FileExists(folder));
        QVERIFY(!FileExists(QString()));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kHoldArgument) == 0)
        return HoldWorkFolder(QString::fromLocal8Bit(argv[2]));
    TestWorkFolder test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_work_folder.moc"
