#include "app/WorkFolder.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "support/FullBuild.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kEmptyHeader = QByteArray("@FCHSC@") + QByteArray(1168, ' ');

// A card as the format lays it out, written by hand.
QByteArray HandMadeCard(const QByteArray &titleField50, const QByteArray &poster)
{
    QByteArray card("@FCHSC@");
    card += titleField50;
    card += QByteArray(1118, ' ');
    card += '\xA9';
    card += poster;
    return card;
}

QByteArray Title50(const QByteArray &title)
{
    return title + QByteArray(50 - title.size(), ' ');
}

CardRecord TitledRecord(const QString &title)
{
    CardRecord record;
    record.set(CardRecord::Titre, title);
    return record;
}

} // namespace

class TestCardFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_work;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        m_work = path(QStringLiteral("work"));
        QDir(m_work).removeRecursively();
        QVERIFY(QDir().mkpath(m_work));
    }

    void emptyCardWithoutPosterIs1176Bytes()
    {
        const QString target = path(QStringLiteral("empty.fsc"));
        QVERIFY(FullBuild(CardRecord(), QString(), target).ok());
        QCOMPARE(ReadBytes(target), kEmptyHeader + '\xA9');
    }

    void posterBytesFollowTheSeparator_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {1, 512, 513, 1025, 65536, 65537, 3 * 1024 * 1024 + 17})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void posterBytesFollowTheSeparator()
    {
        QFETCH(int, size);
        const QByteArray picture = PatternBytes(size);
        const QString poster = path(QStringLiteral("poster.jpg"));
        WriteBytes(poster, picture);
        const QString target = path(QStringLiteral("poster.fsc"));
        QVERIFY(FullBuild(TitledRecord(QStringLiteral("Nosferatu")), poster, target).ok());
        QCOMPARE(ReadBytes(target), HandMadeCard(Title50("Nosferatu"), picture));

        const QString readFolder = path(QStringLiteral("read"));
        QVERIFY(QDir().mkpath(readFolder));
        const CardReadResult read = ReadCardFile(target, readFolder);
        QVERIFY(read.ok());
        QVERIFY(read.hasPoster);
        QCOMPARE(read.record.text(CardRecord::Titre), QStringLiteral("Nosferatu") + QString(41, u' '));
        QCOMPARE(ReadBytes(WorkFile(readFolder, kPosterFileName)), picture);
        QDir(readFolder).removeRecursively();
    }

    void noPictureFlagIgnoresALeftOverPosterFile()
    {
        WriteBytes(WorkFile(m_work, kPosterFileName), "stale");
        QVERIFY(WriteInfoFile(m_work, CardRecord()).ok());
        const QString target = path(QStringLiteral("noflag.fsc"));
        QVERIFY(AssembleCardFile(m_work, target, false).ok());
        QCOMPARE(ReadBytes(target), kEmptyHeader + '\xA9');
    }

    void fullBuildReplacesALongerCardEntirely()
    {
        const QString target = path(QStringLiteral("over.fsc"));
        WriteBytes(target, HandMadeCard(Title50("Old"), PatternBytes(5000)));
        QVERIFY(FullBuild(TitledRecord(QStringLiteral("New")), QString(), target).ok());
        QCOMPARE(ReadBytes(target), HandMadeCard(Title50("New"), {}));
    }

    void infoFileIsNotEmptied()
    {
        // An info file that is a copy of a card keeps what follows the text part.
        WriteBytes(WorkFile(m_work, kInfoFileName), HandMadeCard(Title50("Old"), "PIC"));
        QVERIFY(WriteInfoFile(m_work, TitledRecord(QStringLiteral("New"))).ok());
        QCOMPARE(ReadBytes(WorkFile(m_work, kInfoFileName)), HandMadeCard(Title50("New"), "PIC"));
    }

    void headerRewriteKeepsEveryByteFrom1175()
    {
        const QByteArray picture = PatternBytes(70000, 3);
        const QString card = path(QStringLiteral("rewrite.fsc"));
        QByteArray old = HandMadeCard(Title50("A much longer title than the next"), picture);
        old[1175] = '\x00'; // any separator value is kept as it is
        WriteBytes(card, old);
        QVERIFY(WriteCardHeader(card, TitledRecord(QStringLiteral("Short"))).ok());
        const QByteArray now = ReadBytes(card);
        QCOMPARE(now.size(), old.size());
        QCOMPARE(now.left(1175), QByteArray("@FCHSC@") + Title50("Short") + QByteArray(1118, ' '));
        QCOMPARE(now.mid(1175), old.mid(1175));
    }

    void headerRewriteRefusesWhatIsNotACard_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no marker") << QByteArray(2000, 'x');
        QTest::newRow("marker only, short") << QByteArray("@FCHSC@") + QByteArray(100, ' ');
        QTest::newRow("one byte short") << kEmptyHeader;
    }

    void headerRewriteRefusesWhatIsNotACard()
    {
        QFETCH(QByteArray, content);
        const QString file = path(QStringLiteral("notacard.fsc"));
        WriteBytes(file, content);
        const IoStatus status = WriteCardHeader(file, TitledRecord(QStringLiteral("X")));
        QVERIFY(!status.ok());
        QVERIFY(status.errorString.contains(QStringLiteral("n'est pas une fiche")));
        QCOMPARE(ReadBytes(file), content);
    }

    void headerRewriteOfAMissingFileCreatesNothing()
    {
        const QString file = path(QStringLiteral("missing.fsc"));
        QVERIFY(!WriteCardHeader(file, CardRecord()).ok());
        QVERIFY(!QFile::exists(file));
    }

    void copyWithHeaderKeepsTheSourceAndItsPicture()
    {
        const QByteArray picture = PatternBytes(1500, 9);
        const QString source = path(QStringLiteral("source.fsc"));
        const QByteArray original = HandMadeCard(Title50("Old"), picture);
        WriteBytes(source, original);
        const QString target = path(QStringLiteral("copy.fsc"));
        QVERIFY(CopyCardWithHeader(source, target, TitledRecord(QStringLiteral("New"))).ok());
        QCOMPARE(ReadBytes(target), HandMadeCard(Title50("New"), picture));
        QCOMPARE(ReadBytes(source), original);
    }

    void failedWriteLeavesTheOldCardIntact()
    {
        // The poster vanished between choosing and saving: nothing is replaced.
        const QString target = path(QStringLiteral("intact.fsc"));
        const QByteArray old = HandMadeCard(Title50("Keep"), "PICTURE");
        WriteBytes(target, old);
        const IoStatus status = FullBuild(TitledRecord(QStringLiteral("Lost")),
                                          path(QStringLiteral("gone.jpg")), target);
        QVERIFY(!status.ok());
        QVERIFY(status.errorString.contains(QStringLiteral("gone.jpg")));
        QCOMPARE(ReadBytes(target), old);

        // A target folder that does not exist is reported, not created.
        QVERIFY(!FullBuild(CardRecord(), QString(), path(QStringLiteral("no/such/folder.fsc"))).ok());
    }

    void writingWithoutAWorkFolderFails()
    {
        QVERIFY(!WriteInfoFile(QString(), CardRecord()).ok());
        QVERIFY(!AssembleCardFile(QString(), path(QStringLiteral("x.fsc")), false).ok());
        QVERIFY(!QFile::exists(path(QStringLiteral("x.fsc"))));
    }

    void readerOfACardWithoutPosterMakesNoPosterFile()
    {
        const QString card = path(QStringLiteral("plain.fsc"));
        WriteBytes(card, HandMadeCard(Title50("Metropolis"), {}));
        const CardReadResult read = ReadCardFile(card, m_work);
        QVERIFY(read.ok());
        QVERIFY(!read.hasPoster);
        QCOMPARE(read.record.bytes(), Title50("Metropolis") + QByteArray(1118, ' '));
        QVERIFY(!QFile::exists(WorkFile(m_work, kPosterFileName)));
    }

    void readerRejects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: nothing is written
        QTest::addColumn<int>("status");
        QTest::newRow("small letters") << "lower.fsc" << QByteArray("@fchsc@") + QByteArray(1169, ' ')
                                       << int(CardReadStatus::NotACard);
        QTest::newRow("six bytes") << "six.fsc" << QByteArray("@FCHSC") << int(CardReadStatus::NotACard);
        QTest::newRow("empty file") << "zero.fsc" << QByteArray("") << int(CardReadStatus::NotACard);
        QTest::newRow("missing") << "missing.fsc" << QByteArray() << int(CardReadStatus::MissingFile);
        QTest::newRow("folder") << "folder.fsc" << QByteArray() << int(CardReadStatus::MissingFile);
        QTest::newRow("empty path") << "" << QByteArray() << int(CardReadStatus::MissingFile);
    }

    void readerRejects()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QString file = name.isEmpty() ? QString() : path(name);
        if (!content.isNull())
            WriteBytes(file, content);
        if (name == QStringLiteral("folder.fsc"))
            QVERIFY(QDir().mkpath(file));
        const CardReadResult read = ReadCardFile(file, m_work);
        QCOMPARE(int(read.status), status);
        QVERIFY(!read.ok());
        QVERIFY(!QFile::exists(WorkFile(m_work, kPosterFileName)));
    }

    void readerAcceptsAnySeparatorValue()
    {
        QByteArray bytes = HandMadeCard(Title50("Sep"), "P");
        bytes[1175] = 'Z';
        const QString card = path(QStringLiteral("sep.fsc"));
        WriteBytes(card, bytes);
        const CardReadResult read = ReadCardFile(card, m_work);
        QVERIFY(read.ok());
        QCOMPARE(ReadBytes(WorkFile(m_work, kPosterFileName)), QByteArray("P"));
    }

    void shortCardReadsInPart()
    {
        const QString card = path(QStringLiteral("short.fsc"));
        WriteBytes(card, QByteArray("@FCHSC@Gold"));
        const CardReadResult read = ReadCardFile(card, m_work);
        QVERIFY(read.ok());
        QVERIFY(!read.hasPoster);
        QCOMPARE(read.record.bytes(), QByteArray("Gold") + QByteArray(1164, ' '));
    }

    void unwritablePosterFolderIsReported()
    {
        const QString card = path(QStringLiteral("unwritable.fsc"));
        WriteBytes(card, HandMadeCard(Title50("U"), "PIC"));
        const CardReadResult read = ReadCardFile(card, path(QStringLiteral("no-such-folder")));
        QCOMPARE(read.status, CardReadStatus::Unreadable);
        QVERIFY(read.errorString.contains(QStringLiteral("fsc_img.tmp")));
    }
};

QTEST_GUILESS_MAIN(TestCardFile)
#include "test_card_file.moc"
