// The card record, the card file as the writer makes it and the reader takes
// it apart, and saves that fail: expected bytes are laid out by hand.
#include "card/CardReader.h"
#include "card/CardText.h"
#include "card/CardWriter.h"
#include "support/CardBytes.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

struct FieldRow { CardRecord::Field field; int offset, length; };
struct TextRow { QString text; QByteArray bytes; QString readBack; };
struct ReadRow { QByteArray content; QString message; QByteArray poster; }; // content null: no file; poster null: none
struct FaultRow { QString target; int fileSizeLimit, posterSize; }; // limit 0: none
Q_DECLARE_METATYPE(FieldRow)
Q_DECLARE_METATYPE(TextRow)
Q_DECLARE_METATYPE(ReadRow)
Q_DECLARE_METATYPE(FaultRow)

class TestCard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void cleanup() { QCOMPARE(WorkFoldersLeft(), QStringList()); }

    void fieldsStandAtTheirOffsets_data()
    {
        QTest::addColumn<FieldRow>("row");
        QTest::newRow("Titre") << FieldRow{CardRecord::Titre, 0, 50};
        QTest::newRow("Annee") << FieldRow{CardRecord::Annee, 50, 4};
        QTest::newRow("DureeH") << FieldRow{CardRecord::DureeH, 54, 2};
        QTest::newRow("DureeMin") << FieldRow{CardRecord::DureeMin, 56, 2};
        QTest::newRow("Type") << FieldRow{CardRecord::Type, 58, 50};
        QTest::newRow("Realisateur") << FieldRow{CardRecord::Realisateur, 108, 50};
        QTest::newRow("Acteurs") << FieldRow{CardRecord::Acteurs, 158, 510};
        QTest::newRow("Resume") << FieldRow{CardRecord::Resume, 668, 500};
    }

    void fieldsStandAtTheirOffsets()
    {
        QFETCH(FieldRow, row);
        CardRecord record;
        record.set(row.field, QString(row.length + 1, u'x')); // one too many: cut
        QCOMPARE(record.bytes(), QByteArray(row.offset, ' ') + QByteArray(row.length, 'x') + QByteArray(1168 - row.offset - row.length, ' '));
        record.set(row.field, QStringLiteral("é"));
        QCOMPARE(record.bytes().mid(row.offset, row.length), "\xE9" + QByteArray(row.length - 1, ' '));
    }

    void windows1252BothWays_data()
    {
        QTest::addColumn<TextRow>("row");
        QTest::newRow("accents and signs") << TextRow{"é©€œŸ", "\xE9\xA9\x80\x9C\x9F", "é©€œŸ"};
        QTest::newRow("a literal U+001A") << TextRow{"a\x1A", "a\x1A", "a\x1A"};
        QTest::newRow("not in the code page") << TextRow{"a中b", "a?b", "a?b"};
        QTest::newRow("outside the BMP: one ?") << TextRow{"a😀b", "a?b", "a?b"};
        QTest::newRow("ends in half a surrogate pair") << TextRow{"ab" + QString(QChar(0xD83D)), "ab?", "ab?"};
        QTest::newRow("begins with its second half") << TextRow{QString(QChar(0xDE00)) + "a", "?a", "?a"};
        QTest::newRow("the five undefined bytes") << TextRow{"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"};
        QTest::newRow("no-break space") << TextRow{"a\u00A0b", "a\xA0" "b", "a\u00A0b"};
    }

    void windows1252BothWays()
    {
        QFETCH(TextRow, row);
        QCOMPARE(EncodeCardText(row.text), row.bytes);
        QCOMPARE(DecodeCardText(row.bytes), row.readBack);
    }

    // Over an older, longer card; the poster passes a 64 KiB block. (A card
    // without poster is written by the editor's tests.)
    void writtenWhole()
    {
        const QString target = WriteBytes(path("card.fsc"), CardBytes({.titre = "Old"}, QByteArray(70000, 'o')));
        const QByteArray poster = QByteArray("\xA9\0\xFF\r\nposter", 12).repeated(6000).left(65537);
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Nosferatu"));
        record.set(CardRecord::Resume, QStringLiteral("Fin"));
        QCOMPARE(WriteCard(record, poster, target).errorString, QString());
        QCOMPARE(ReadBytes(target), CardBytes({.titre = "Nosferatu", .resume = "Fin"}, poster));
    }

    // Read as the editor reads the boxes: under the locale, halves to even.
    void runningMinutesForSorting_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("total");
        QTest::newRow("1 h 42") << " 1" << "42" << 102;
        QTest::newRow("minutes alone") << "  " << "5 " << 5;
        QTest::newRow("decimal comma") << "1," << "5 " << 65;
        QTest::newRow("half to even") << " 2" << ",5" << 120;
        QTest::newRow("blank") << "  " << "  " << -1;
        QTest::newRow("no number") << "a-" << "05" << -1;
    }

    void runningMinutesForSorting()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, total);
        QCOMPARE(RunningMinutes(hours, minutes, QLocale(QLocale::French)), total);
    }

    void readerBoundaries_data()
    {
        QTest::addColumn<ReadRow>("row");
        const QByteArray whole = CardBytes({.titre = "Gold", .resume = QByteArray(500, 'r')});
        QTest::newRow("marker and part of a field") << ReadRow{"@FCHSC@Go", "", {}};
        QTest::newRow("1175 bytes, no separator") << ReadRow{whole.left(1175), "", {}};
        QTest::newRow("1176 bytes") << ReadRow{whole, "", {}};
        QTest::newRow("1177 bytes") << ReadRow{whole + 'P', "", "P"};
        QTest::newRow("any separator, 64 KiB and one") << ReadRow{whole.left(1175) + 'Z' + QByteArray(65537, 'p'), "", QByteArray(65537, 'p')};
        QTest::newRow("marker in small letters") << ReadRow{"@fchsc@" + whole.mid(7), "Fichier incorrect", {}};
        QTest::newRow("six bytes of marker") << ReadRow{"@FCHSC", "Fichier incorrect", {}};
        QTest::newRow("empty file") << ReadRow{"", "Fichier incorrect", {}};
        QTest::newRow("no file") << ReadRow{{}, "Fichier introuvable", {}};
    }

    void readerBoundaries()
    {
        QFETCH(ReadRow, row);
        const QString card = row.content.isNull() ? path("none.fsc") : WriteBytes(path("read.fsc"), row.content);
        const CardReadResult read = ReadCardFile(card);
        QCOMPARE(read.status.errorString, row.message);
        QCOMPARE(read.ok(), row.message.isEmpty());
        if (read.ok())
            QCOMPARE(read.record.bytes(), row.content.mid(7, 1168).leftJustified(1168, ' '));
        QCOMPARE(read.poster, row.poster);
    }

    void headerRewrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isCard");
        const QByteArray zeroSeparator = CardBytes({.titre = "A much longer title"}).left(1175) + '\0' + QByteArray(70000, 'p');
        QTest::newRow("with poster, any separator") << zeroSeparator << true;
        QTest::newRow("1176 bytes, no poster") << CardBytes({.type = "Drame"}) << true;
        QTest::newRow("1175 bytes") << CardBytes({}).left(1175) << false;
        QTest::newRow("no marker") << QByteArray(2000, 'x') << false;
    }

    // Only the text part of a whole card is rewritten; from byte 1175 on,
    // everything stays.
    void headerRewrite()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isCard);
        const QString card = WriteBytes(path("rewrite.fsc"), content);
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Short"));
        const QString refused = isCard ? QString() : "Le fichier « " + card + " » n'est pas une fiche Fichoscope.";
        QCOMPARE(WriteCardHeader(card, record).errorString, refused);
        QCOMPARE(ReadBytes(card), isCard ? CardBytes({.titre = "Short"}).left(1175) + content.mid(1175) : content);
    }

    void failedSaveKeepsTheOldCard_data()
    {
        QTest::addColumn<FaultRow>("row");
        QTest::newRow("target folder missing") << FaultRow{"no/card.fsc", 0, 10};
        // Not even root can write where a file stands in for the folder.
        QTest::newRow("target folder is a file") << FaultRow{"file/card.fsc", 0, 10};
        // The disk fills up right after the text part, while the poster is
        // written past the write buffer.
        QTest::newRow("disk full in the poster") << FaultRow{"old.fsc", 1176, 70000};
        // The whole card (2176 bytes) waits in the write buffer until it is
        // committed, and the limit falls inside its poster.
        QTest::newRow("disk full when committed") << FaultRow{"old.fsc", 1176 + 500, 1000};
    }

    void failedSaveKeepsTheOldCard()
    {
        QFETCH(FaultRow, row);
        QTemporaryDir dir;
        const QByteArray old = CardBytes({.titre = "Old"}, "OLD POSTER");
        WriteBytes(dir.filePath("old.fsc"), old);
        WriteBytes(dir.filePath("file"), "");
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{row.fileSizeLimit ? rlim_t(row.fileSizeLimit) : saved.rlim_cur, saved.rlim_max};
        const auto signalWas = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the program
        setrlimit(RLIMIT_FSIZE, &limited);
        const IoStatus status = WriteCard(CardRecord(), QByteArray(row.posterSize, 'p'), dir.filePath(row.target));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, signalWas);

        // The reason after the colon is the system's.
        QVERIFY2(status.errorString.startsWith("Impossible d'écrire le fichier « " + dir.filePath(row.target) + " » : "), qPrintable(status.errorString));
        QCOMPARE(ReadBytes(dir.filePath("old.fsc")), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    }
};

QTEST_GUILESS_MAIN(TestCard)
#include "test_card.moc"
