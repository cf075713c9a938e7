// Saves that fail half-way: a read-only target folder, a disk that fills
// up, a process killed while it saves. The old card stays whole each time.
#include "app/WorkFolder.h"
#include "card/CardWriter.h"
#include "card/ScratchMount.h"
#include "support/CardBytes.h"
#include "support/FullBuild.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kCardName = QStringLiteral("card.fsc");

CardRecord NewRecord()
{
    CardRecord record;
    record.set(CardRecord::Titre, QStringLiteral("Nouvelle"));
    return record;
}

bool CanCreateFileIn(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

// Bytes the process has written so far, from the kernel's count.
qint64 BytesWritten(qint64 pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QByteArray m_oldCard = CardBytes({}, PatternBytes(3000, 3));
    QString m_poster;

    QString makeFolder(const QString &name)
    {
        const QString folder = m_dir.filePath(name);
        QDir().mkpath(folder);
        return folder;
    }

    // After a failure: the old card whole and alone in its folder, and no
    // work folder where the program makes them.
    void oldCardIntactAndNothingLeft(const QString &folder)
    {
        QCOMPARE(ReadBytes(QDir(folder).filePath(kCardName)), m_oldCard);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{kCardName});
        QCOMPARE(WorkFoldersIn(WorkFolderParent()), QStringList());
    }

    void saveFails(const QString &folder)
    {
        const QString target = QDir(folder).filePath(kCardName);
        const IoStatus built = FullBuild(NewRecord(), m_poster, target);
        QVERIFY(!built.ok());
        QVERIFY2(built.errorString.contains(QDir::toNativeSeparators(target)), qPrintable(built.errorString));

        const QString source = m_dir.filePath(QStringLiteral("source.fsc"));
        WriteBytes(source, CardBytes({}, ReadBytes(m_poster)));
        QVERIFY(!CopyCardWithHeader(source, target, NewRecord()).ok());
        QVERIFY(!CopyCardWithHeader(source, QDir(folder).filePath(QStringLiteral("copy.fsc")), NewRecord()).ok());
        oldCardIntactAndNothingLeft(folder);
    }

private slots:
    void initTestCase()
    {
        m_poster = m_dir.filePath(QStringLiteral("poster.jpg"));
        WriteBytes(m_poster, PatternBytes(2 * 1024 * 1024));
    }

    void readOnlyTargetFolder()
    {
        const QString folder = makeFolder(QStringLiteral("readonly"));
        ScratchMount mount(folder, 1024);
        WriteBytes(QDir(folder).filePath(kCardName), m_oldCard);
        const auto writable = qScopeGuard([&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (mount.ok()) {
            QVERIFY(mount.makeReadOnly());
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (CanCreateFileIn(folder))
                QSKIP("the folder stays writable (root ignores permissions) and no read-only filesystem can be mounted");
        }
        QVERIFY(!CanCreateFileIn(folder));
        saveFails(folder);
    }

    void diskFillsUpDuringTheSave()
    {
        // Room for the old card, not for one with the 2 MB poster.
        const QString folder = makeFolder(QStringLiteral("full"));
        ScratchMount mount(folder, 512);
        if (!mount.ok())
            QSKIP("no small filesystem can be mounted here (mounting needs root)");
        WriteBytes(QDir(folder).filePath(kCardName), m_oldCard);
        saveFails(folder);
    }

    void killedDuringTheSave_data()
    {
        QTest::addColumn<qint64>("killAfterBytes");
        QTest::newRow("as the card starts") << qint64(64 * 1024);
        QTest::newRow("half-way through the poster") << qint64(48 * 1024 * 1024);
    }

    void killedDuringTheSave()
    {
        QFETCH(qint64, killAfterBytes);
        const QString folder = makeFolder(QStringLiteral("killed"));
        const QString target = QDir(folder).filePath(kCardName);
        WriteBytes(target, m_oldCard);
        const QString bigPoster = m_dir.filePath(QStringLiteral("big.jpg"));
        if (!QFileInfo::exists(bigPoster))
            WriteBytes(bigPoster, PatternBytes(96 * 1024 * 1024));
        const QString childFolder = QFileInfo(QStringLiteral(FICHOSCOPE_SAVE_CHILD)).absolutePath();
        const QStringList foldersBefore = WorkFoldersIn(childFolder);

        QProcess child;
        child.start(QStringLiteral(FICHOSCOPE_SAVE_CHILD), {bigPoster, target});
        QVERIFY(child.waitForStarted());
        bool killed = false;
        QElapsedTimer timer;
        timer.start();
        while (!killed && !child.waitForFinished(1) && timer.elapsed() < 60000) {
            const qint64 written = BytesWritten(child.processId());
            if (written >= killAfterBytes) {
                child.kill();
                killed = true;
            }
        }
        child.waitForFinished(10000);
        QVERIFY2(killed, "the save ended before it could be killed");

        QCOMPARE(ReadBytes(target), m_oldCard);
        // A killed process removes nothing: its work folder stays beside the
        // program until a start finds it abandoned, and a temporary card
        // stays beside the target where the file system has no unnamed files.
        RemoveAbandonedWorkFolders(childFolder);
        for (const QString &name : QDir(folder).entryList({kCardName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
            QFile::remove(QDir(folder).filePath(name));
        for (const QString &name : WorkFoldersIn(childFolder))
            QVERIFY(foldersBefore.contains(name));
    }
};

QTEST_MAIN(TestSaveFaults)
#include "test_save_faults.moc"
