// The card record, the card file as the writer makes it and the reader takes
// it apart, and saves that fail: expected bytes are laid out by hand.
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "support/CardBytes.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestCard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void cleanup() { QCOMPARE(WorkFoldersLeft(), QStringList()); }

    void fieldsStandAtTheirOffsets_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::newRow("Titre") << int(CardRecord::Titre) << 0 << 50;
        QTest::newRow("Annee") << int(CardRecord::Annee) << 50 << 4;
        QTest::newRow("DureeH") << int(CardRecord::DureeH) << 54 << 2;
        QTest::newRow("DureeMin") << int(CardRecord::DureeMin) << 56 << 2;
        QTest::newRow("Type") << int(CardRecord::Type) << 58 << 50;
        QTest::newRow("Realisateur") << int(CardRecord::Realisateur) << 108 << 50;
        QTest::newRow("Acteurs") << int(CardRecord::Acteurs) << 158 << 510;
        QTest::newRow("Resume") << int(CardRecord::Resume) << 668 << 500;
    }

    void fieldsStandAtTheirOffsets()
    {
        QFETCH(int, field);
        QFETCH(int, offset);
        QFETCH(int, length);
        CardRecord record;
        record.set(CardRecord::Field(field), QString(length + 1, u'x')); // one too many: cut
        QCOMPARE(record.bytes(), QByteArray(offset, ' ') + QByteArray(length, 'x') + QByteArray(1168 - offset - length, ' '));
        record.set(CardRecord::Field(field), QStringLiteral("é"));
        QCOMPARE(record.bytes().mid(offset, length), "\xE9" + QByteArray(length - 1, ' '));
        QCOMPARE(record.text(CardRecord::Field(field)), u'é' + QString(length - 1, u' '));
    }

    void windows1252BothWays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("accents and signs") << "é©€œŸ" << QByteArray("\xE9\xA9\x80\x9C\x9F") << "é©€œŸ";
        QTest::newRow("a literal U+001A") << "a\x1A" << QByteArray("a\x1A") << "a\x1A";
        QTest::newRow("not in the code page") << "a中b" << QByteArray("a?b") << "a?b";
        QTest::newRow("outside the BMP: one ?") << "a😀b" << QByteArray("a?b") << "a?b";
    }

    void windows1252BothWays()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        QCOMPARE(EncodeCardText(text), bytes);
        QCOMPARE(DecodeCardText(bytes), readBack);
    }

    void writtenAndReadBack_data()
    {
        QTest::addColumn<int>("posterSize");
        QTest::newRow("no poster: 1176 bytes") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("past a 64 KiB block") << 65537;
    }

    void writtenAndReadBack()
    {
        QFETCH(int, posterSize);
        const QByteArray poster = QByteArray("\xA9\0\xFF\r\nposter", 12).repeated(6000).left(posterSize);
        const QString target = WriteBytes(path("card.fsc"), CardBytes({.titre = "Old"}, QByteArray(70000, 'o')));
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Nosferatu"));
        record.set(CardRecord::Resume, QStringLiteral("Fin"));
        const QString posterPath = posterSize ? WriteBytes(path("poster.jpg"), poster) : QString();
        QCOMPARE(WriteCard(record, posterPath, target).errorString, QString());
        QCOMPARE(ReadBytes(target), CardBytes({.titre = "Nosferatu", .resume = "Fin"}, poster));
        QCOMPARE(ReadBytes(target).size(), 1176 + posterSize);
    }

    void readerBoundaries_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("message");     // empty: read
        QTest::addColumn<QByteArray>("poster");   // null: none extracted
        const QByteArray whole = CardBytes({.titre = "Gold", .resume = "Fin"});
        QTest::newRow("marker and part of a field") << QByteArray("@FCHSC@Go") << "" << QByteArray();
        QTest::newRow("1175 bytes, no separator") << whole.left(1175) << "" << QByteArray();
        QTest::newRow("1176 bytes") << whole << "" << QByteArray();
        QTest::newRow("1177 bytes") << whole + 'P' << "" << QByteArray("P");
        QTest::newRow("any separator, 64 KiB and one") << whole.left(1175) + 'Z' + QByteArray(65537, 'p') << ""
                                                       << QByteArray(65537, 'p');
        QTest::newRow("marker in small letters") << "@fchsc@" + whole.mid(7) << "Fichier incorrect" << QByteArray();
        QTest::newRow("six bytes of marker") << QByteArray("@FCHSC") << "Fichier incorrect" << QByteArray();
        QTest::newRow("empty file") << QByteArray("") << "Fichier incorrect" << QByteArray();
        QTest::newRow("no file") << QByteArray() << "Fichier introuvable" << QByteArray();
    }

    void readerBoundaries()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QByteArray, poster);
        QTemporaryDir work;
        const QString card = content.isNull() ? path("none.fsc") : WriteBytes(path("read.fsc"), content);
        const CardReadResult read = ReadCardFile(card, work.path());
        QCOMPARE(ReadFailureMessage(read), message);
        QCOMPARE(read.ok(), message.isEmpty());
        if (read.ok())
            QCOMPARE(read.record.bytes(), content.mid(7, 1168).leftJustified(1168, ' '));
        QCOMPARE(read.hasPoster, !poster.isNull());
        QCOMPARE(QFile::exists(work.filePath("fsc_img.tmp")) ? ReadBytes(work.filePath("fsc_img.tmp")) : QByteArray(), poster);
    }

    void headerRewrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isCard");
        QByteArray zeroSeparator = CardBytes({.titre = "A much longer title"}, QByteArray(70000, 'p'));
        zeroSeparator[1175] = '\0';
        QTest::newRow("with poster, any separator") << zeroSeparator << true;
        QTest::newRow("1176 bytes, no poster") << CardBytes({.type = "Drame"}) << true;
        QTest::newRow("1175 bytes") << CardBytes({}).left(1175) << false;
        QTest::newRow("no marker") << QByteArray(2000, 'x') << false;
    }

    // Rewritten in place, or copied with the new text part to another file:
    // from byte 1175 on, everything stays.
    void headerRewrite()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isCard);
        const QString card = WriteBytes(path("rewrite.fsc"), content);
        QFile::remove(path("copy.fsc"));
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Short"));
        const QByteArray rewritten = CardBytes({.titre = "Short"}).left(1175) + content.mid(1175);
        const QString refused = isCard ? QString() : "Le fichier « " + card + " » n'est pas une fiche Fichoscope.";
        QCOMPARE(CopyCardWithHeader(card, path("copy.fsc"), record).errorString, refused);
        QCOMPARE(QFile::exists(path("copy.fsc")) ? ReadBytes(path("copy.fsc")) : QByteArray(), isCard ? rewritten : QByteArray());
        QCOMPARE(ReadBytes(card), content);
        QCOMPARE(WriteCardHeader(card, record).errorString, refused);
        QCOMPARE(ReadBytes(card), isCard ? rewritten : content);
    }

    void failedSaveKeepsTheOldCard_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("poster");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::addColumn<QString>("message");   // %1: the folder
        QTest::newRow("target folder missing") << "none/card.fsc" << "" << 0
                                               << "Impossible d'écrire le fichier « %1/none/card.fsc » : No such file or directory";
        // Not even root can write where a file stands in for the folder.
        QTest::newRow("target folder is a file") << "file/card.fsc" << "" << 0
                                                 << "Impossible d'écrire le fichier « %1/file/card.fsc » : Not a directory";
        QTest::newRow("poster missing") << "old.fsc" << "gone.jpg" << 0
                                        << "Impossible de lire le fichier « %1/gone.jpg » : No such file or directory";
        QTest::newRow("poster is a folder") << "old.fsc" << "folder.jpg" << 0
                                            << "Impossible de lire le fichier « %1/folder.jpg » : file to open is a directory";
        // The disk fills up once the target is open: the poster copy fits,
        // the card's last bytes, written as it is committed, do not.
        QTest::newRow("disk full while assembling") << "old.fsc" << "poster.jpg" << 1176 + 65536
                                                    << "Impossible d'écrire le fichier « %1/old.fsc » : File too large";
    }

    void failedSaveKeepsTheOldCard()
    {
        QFETCH(QString, target);
        QFETCH(QString, poster);
        QFETCH(int, fileSizeLimit);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QByteArray old = CardBytes({.titre = "Old"}, "OLD POSTER");
        WriteBytes(dir.filePath("old.fsc"), old);
        WriteBytes(dir.filePath("file"), "");
        WriteBytes(dir.filePath("poster.jpg"), QByteArray(66000, 'p'));
        QVERIFY(QDir(dir.path()).mkdir("folder.jpg"));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("New"));

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        if (fileSizeLimit)
            limited.rlim_cur = rlim_t(fileSizeLimit);
        const auto signalWas = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the program
        setrlimit(RLIMIT_FSIZE, &limited);
        const IoStatus status = WriteCard(record, poster.isEmpty() ? QString() : dir.filePath(poster), dir.filePath(target));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, signalWas);

        QCOMPARE(status.errorString, message.arg(dir.path()));
        QCOMPARE(ReadBytes(dir.filePath("old.fsc")), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    }
};

QTEST_GUILESS_MAIN(TestCard)
#include "test_card.moc"
