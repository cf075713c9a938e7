// Bringing collections in: the hand-written fixtures of each format become
// cards laid out by hand here, damaged files write nothing and say where,
// and a CSV of the catalogue's own export reads back byte for byte.
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/ImportWindow.h"
#include "film/PosterFit.h"
#include "import/CappedDevice.h"
#include "import/CardFileName.h"
#include "import/ImportRun.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <quazip.h>
#include <quazipfile.h>

struct ExpectedCard
{
    QString file{};
    CardFields fields{};
    QByteArray posterStart{}; // the poster's first bytes; empty: no poster
};
struct ImportRow
{
    QString collection{}; // under the fixtures' folder; "tellico.tc" is made from tellico/
    QList<ExpectedCard> cards{};
    QStringList lines{};
    QString summary{};
};
Q_DECLARE_METATYPE(ImportRow)

namespace {

const QString kFixtures = QStringLiteral(FICHOSCOPE_IMPORT_FIXTURES);
const QByteArray kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,"
                      "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;", 43);
const QByteArray kJpegStart("\xFF\xD8\xFF");

// Cards Nosferatu and Metropolis, as every form of the Tellico fixture gives them.
const QList<ExpectedCard> kTellicoCards{
    {"Nosferatu (1922).fsc",
     {"Nosferatu", "1922", " 1", "34", "Horreur", "F. W. Murnau", "Max Schreck|Gustav von Wangenheim|",
      "Hutter part pour les Carpates.\r\nEllen l'attend \xe0 Wisborg."},
     kGif},
    {"Metropolis (1927).fsc", {"Metropolis", "1927", "", "", "", "Fritz Lang"}}};

void AddToZip(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile entry(&zip);
    QVERIFY(entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
    QCOMPARE(entry.write(bytes), bytes.size());
    entry.close();
}

QString MakeTellicoArchive(const QString &path)
{
    QuaZip zip(path);
    zip.open(QuaZip::mdCreate);
    AddToZip(zip, "tellico.xml", ReadBytes(kFixtures + "/tellico/tellico.xml"));
    AddToZip(zip, "images/0d1a3e.gif", ReadBytes(kFixtures + "/tellico/tellico_files/0d1a3e.gif"));
    zip.close();
    return path;
}

QByteArray Header(const CardFields &fields)
{
    return CardBytes(fields).left(kHeaderSize);
}

struct Cancelling : ImportProgress
{
    int done = 0;
    void filmDone(int count, const QString &) override { done = count; }
    bool cancelled() const override { return done == 1; }
};

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void importsEachFormat_data()
    {
        QTest::addColumn<ImportRow>("row");
        const QString twoCards = "2 fiches créées, 1 film sans affiche, 0 champ raccourci, 0 film ignoré";
        QTest::newRow("Tellico archive") << ImportRow{"tellico.tc", kTellicoCards, {}, twoCards};
        QTest::newRow("Tellico, pictures inside") << ImportRow{"tellico-inline.xml", kTellicoCards, {}, twoCards};
        QTest::newRow("Tellico, pictures beside") << ImportRow{"tellico/tellico.xml", kTellicoCards, {}, twoCards};
        QTest::newRow("GCstar, both actor lists") << ImportRow{
            "gcstar/films.gcs",
            {{"Alien, le huitième passager (1979).fsc",
              {"Alien, le huiti\xe8me passager", "1979", " 1", "57", "Science-fiction", "Ridley Scott",
               "Sigourney Weaver|Tom Skerritt|", "Le cargo Nostromo capte un signal."},
              kJpegStart},
             {"Stalker (1979).fsc",
              {"Stalker", "1979", " 2", "43", "Drame", "Andre\xef Tarkovski", "Alexandre Ka\xef" "danovski|Anatoli Solonitsyne|",
               "La Zone."}}},
            {"Alien, le huitième passager (1979).fsc : Affiche PNG convertie en JPEG"},
            "2 fiches créées, 1 film sans affiche, 0 champ raccourci, 0 film ignoré"};
        QTest::newRow("Ant Movie Catalog, Windows-1252") << ImportRow{
            "ant/catalog.xml",
            {{"Le Mécano de la « General » (1926).fsc",
              {"Le M\xe9" "cano de la \xab General \xbb", "1926", " 1", "18", "Com\xe9" "die", "Clyde Bruckman, Buster Keaton",
               "Buster Keaton|Marion Mack|", "Johnnie aime deux choses.\r\nSa locomotive et Annabelle."}}},
            {"Le Mécano de la « General » (1926).fsc : Sans affiche : affiche introuvable : "
             + QDir::toNativeSeparators(kFixtures + "/ant/General.jpg")},
            "1 fiche créée, 1 film sans affiche, 0 champ raccourci, 0 film ignoré"};
        QTest::newRow("CSV, UTF-8, semicolons") << ImportRow{
            "films.csv",
            {{"Playtime (1967).fsc",
              {"Playtime", "1967", " 2", "04", "Com\xe9" "die", "Jacques Tati", "Jacques Tati|Barbara Dennek|",
               "Monsieur Hulot ; Paris,\r\nverre et acier."}}},
            {},
            "1 fiche créée, 1 film sans affiche, 0 champ raccourci, 0 film ignoré"};
    }

    void importsEachFormat()
    {
        QFETCH(ImportRow, row);
        const QString collection = row.collection == "tellico.tc" ? MakeTellicoArchive(path("tellico.tc"))
                                                                  : kFixtures + u'/' + row.collection;
        const QString folder = path(QTest::currentDataTag());
        ImportProgress progress;
        const ImportReport report = RunImport(collection, folder, progress);
        QCOMPARE(report.error, QString());
        QCOMPARE(FilmLines(report), row.lines);
        QCOMPARE(SummaryLine(report), row.summary);
        QCOMPARE(report.exitStatus(), 0);
        QStringList files;
        for (const ExpectedCard &card : row.cards)
            files << card.file;
        QStringList written = QDir(folder).entryList(QDir::Files);
        written.sort();
        files.sort();
        QCOMPARE(written, files);
        for (const ExpectedCard &expected : row.cards) {
            const CardReadResult card = ReadCardFile(folder + u'/' + expected.file);
            QCOMPARE(kCardMarker + card.record.bytes(), Header(expected.fields));
            QVERIFY2(card.poster.startsWith(expected.posterStart), qPrintable(expected.file));
            QCOMPARE(card.poster.isEmpty(), expected.posterStart.isEmpty());
        }
    }

    void damagedFilesWriteNothing_data()
    {
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QByteArray>("bytes"); // written at the collection's path when not null
        QTest::addColumn<QString>("message");
        QTest::newRow("GCstar cut short") << kFixtures + "/damaged.gcs" << QByteArray()
                                          << "Fichier endommagé à la ligne 41, colonne 19";
        QTest::newRow("CSV quote left open")
            << kFixtures + "/damaged.csv" << QByteArray()
            << "Fichier endommagé à la ligne 2, colonne 1 : guillemet jamais fermé";
        QTest::newRow("entities declared")
            << path("entities.xml")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE tellico [\n<!ENTITY a \"aaaaaaaa\">\n]>\n"
                          "<tellico><collection type=\"3\"><entry><title>&a;&a;</title></entry></collection></tellico>\n")
            << "Fichier refusé : il déclare des entités XML";
        QTest::newRow("Tellico books") << path("books.xml")
                                       << QByteArray("<tellico><collection type=\"2\"><entry><title>Livre</title>"
                                                     "</entry></collection></tellico>")
                                       << "Format de collection non reconnu";
        QTest::newRow("plain text") << path("notes.txt") << QByteArray("Mes films préférés\n")
                                    << "Format de collection non reconnu";
        QTest::newRow("zip without tellico.xml") << path("other.zip") << QByteArray() << "Format de collection non reconnu";
        QTest::newRow("no file") << path("absent.tc") << QByteArray()
                                 << "Impossible de lire « " + path("absent.tc") + " » : fichier introuvable";
    }

    void damagedFilesWriteNothing()
    {
        QFETCH(QString, collection);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (!bytes.isNull())
            WriteBytes(collection, bytes);
        if (collection.endsWith("other.zip")) {
            QuaZip zip(collection);
            zip.open(QuaZip::mdCreate);
            AddToZip(zip, "readme.txt", "texte");
            zip.close();
        }
        const QString folder = path("nothing");
        ImportProgress progress;
        const ImportReport report = RunImport(collection, folder, progress);
        QCOMPARE(SummaryLine(report), message);
        QCOMPARE(report.exitStatus(), 2);
        QVERIFY(!QFileInfo::exists(folder));
    }

    void ownExportReadsBackByteIdentical()
    {
        const QList<CardFields> originals{
            {"Le Fabuleux Destin d'Am\xe9lie Poulain", "2001", " 2", "02", "Com\xe9" "die", "Jean-Pierre Jeunet",
             "Audrey Tautou|Mathieu Kassovitz|", "Amélie, \"serveuse\" ; Montmartre.\r\n\r\nLa suite\x85"},
            {"\x8c" "dipe roi", "1967", "", "", "Drame", "Pier Paolo Pasolini, Franco Citti", "", ""},
            {"Sans ann\xe9" "e", "", " 9", "59", "", "", "Un seul|", "Une ligne, avec virgule"}};
        QDir().mkpath(path("cards"));
        std::vector<CatalogueCard> cards;
        for (int i = 0; i < originals.size(); ++i) {
            const QString card = path("cards/%1.fsc").arg(i);
            WriteBytes(card, CardBytes(originals.at(i)));
            cards.push_back(ReadCatalogueCard(card));
        }
        const QString csv = WriteBytes(path("export.csv"), CatalogueCsv(cards, path("cards")));
        ImportProgress progress;
        const ImportReport report = RunImport(csv, path("back"), progress);
        QCOMPARE(SummaryLine(report), "3 fiches créées, 3 films sans affiche, 0 champ raccourci, 0 film ignoré");
        QCOMPARE(FilmLines(report), QStringList());
        const QStringList names{"Le Fabuleux Destin d'Amélie Poulain (2001).fsc", "Œdipe roi (1967).fsc", "Sans année.fsc"};
        for (int i = 0; i < originals.size(); ++i)
            QCOMPARE(kCardMarker + ReadCardFile(path("back/") + names.at(i)).record.bytes(), Header(originals.at(i)));
    }

    void cancelKeepsTheCardsWritten()
    {
        Cancelling progress;
        const ImportReport report = RunImport(kFixtures + "/tellico-inline.xml", path("cancelled"), progress);
        QCOMPARE(SummaryLine(report), "Importation arrêtée après 1 film sur 2 : 1 fiche créée, 0 film sans affiche, "
                                      "0 champ raccourci, 0 film ignoré");
        QCOMPARE(report.exitStatus(), 1);
        QCOMPARE(QDir(path("cancelled")).entryList(QDir::Files), QStringList{"Nosferatu (1922).fsc"});
    }

    void windowReportsAndSavesIt()
    {
        ScriptedDesktop desktop;
        desktop.files = {kFixtures + "/gcstar/films.gcs", path("rapport.txt")};
        QDir().mkpath(path("catalogue"));
        ImportWindow *window = ImportCollection(nullptr, path("catalogue"));
        QVERIFY(window);
        QSignalSpy ended(window, &ImportWindow::importEnded);
        QVERIFY(ended.wait(10000));
        QCOMPARE(window->lblEtat->text(),
                 "<b>Importation terminée</b><br>2 fiches créées, 1 film sans affiche, 0 champ raccourci, 0 film "
                 "ignoré<br>Dans « " + path("catalogue/films") + " »");
        QCOMPARE(window->cmdAnnuler->text(), "Fermer");
        window->cmdEnregistrer->click();
        QCOMPARE(QString::fromUtf8(ReadBytes(path("rapport.txt"))),
                 "Importation de « " + kFixtures + "/gcstar/films.gcs » dans « " + path("catalogue/films")
                     + " »\r\nAlien, le huitième passager (1979).fsc : Affiche PNG convertie en JPEG\r\n2 fiches "
                       "créées, 1 film sans affiche, 0 champ raccourci, 0 film ignoré\r\n");
        QCOMPARE(desktop.dialogs.first().filters.first().patterns, "*.tc;*.gcs;*.xml;*.csv");
        window->close();
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("copy");
        QTest::addColumn<QString>("name");
        QTest::newRow("title and year") << "Alien" << "1979" << 1 << "Alien (1979).fsc";
        QTest::newRow("refused characters") << "AC/DC: \"Live\" <1>?*|\\\x01" << "" << 1 << "AC_DC_ _Live_ _1______.fsc";
        QTest::newRow("reserved by Windows") << "Con" << "" << 1 << "Con_.fsc";
        QTest::newRow("no hidden file") << ".45" << "2006" << 2 << "_45 (2006) (2).fsc";
        QTest::newRow("120 bytes, year kept") << QString(130, u'é') << "2001" << 2 << QString(52, u'é') + " (2001) (2).fsc";
    }

    void fileNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, year);
        QFETCH(int, copy);
        QFETCH(QString, name);
        QCOMPARE(CardFileName(title, year, copy), name);
        QVERIFY(name.toUtf8().size() <= 120);
    }

    void freeNamesNeverOverwrite()
    {
        QDir().mkpath(path("names"));
        WriteBytes(path("names/Alien (1979).fsc"), "x");
        QSet<QString> taken{"alien (1979) (2).fsc"};
        QCOMPARE(FreeCardFileName(path("names"), "Alien", "1979", taken), "Alien (1979) (3).fsc");
        QCOMPARE(FreeCardFileName(path("names"), "Alien", "1979", taken), "Alien (1979) (4).fsc");
        QCOMPARE(FreeFolderName(path(""), path("Ma collection.tc")), "Ma collection");
        QDir().mkpath(path("Ma collection"));
        QCOMPARE(FreeFolderName(path(""), path("Ma collection.tc")), "Ma collection (2)");
    }

    void cappedReads_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("read");
        QTest::newRow("at the limit") << 10 << true;
        QTest::newRow("a byte past it") << 11 << false;
    }

    void cappedReads()
    {
        QFETCH(int, size);
        QFETCH(bool, read);
        QBuffer buffer;
        buffer.setData(QByteArray(size, 'x'));
        buffer.open(QIODevice::ReadOnly);
        const std::optional<QByteArray> bytes = ReadAtMost(buffer, 10);
        QCOMPARE(bytes.has_value(), read);
        if (read)
            QCOMPARE(*bytes, QByteArray(10, 'x'));
    }

    void postersFit_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QByteArray>("start"); // of the poster kept
        QTest::addColumn<QString>("note");     // change or problem
        QTest::newRow("GIF kept") << kGif << kGif << QString();
        QTest::newRow("PNG made JPEG") << ReadBytes(kFixtures + "/gcstar/images/alien.png") << kJpegStart
                                       << "Affiche PNG convertie en JPEG";
        QTest::newRow("past the limits") << Picture(QSize(6000, 5000)) << kJpegStart
                                         << "Affiche réduite de 6000 × 5000 à 3000 × 2500";
        QTest::newRow("no picture") << QByteArray("texte") << QByteArray() << "format d'image non reconnu";
    }

    void postersFit()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QByteArray, start);
        QFETCH(QString, note);
        const FittedPoster poster = FitPoster(picture);
        QVERIFY(poster.bytes.startsWith(start));
        QCOMPARE(poster.bytes.isEmpty(), start.isEmpty());
        QCOMPARE(poster.ok() ? poster.change : poster.problem, note);
        if (start == kGif)
            QCOMPARE(poster.bytes, picture);
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
