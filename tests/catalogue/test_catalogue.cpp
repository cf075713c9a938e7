#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueModel.h"
#include "catalogue/CatalogueWindow.h"
#include "catalogue/CorrectionDialog.h"
#include "catalogue/Duplicates.h"
#include "catalogue/FolderPoll.h"
#include "catalogue/SharedFolder.h"
#include "start/OpenCatalogue.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// The catalogue of a folder holding four cards, one of them in a subfolder,
// and a damaged file.
class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void search_data();
    void search();
    void sort_data();
    void sort();
    void csvQuotesAsRfc4180_data();
    void csvQuotesAsRfc4180();
    void damagedCardOpensNothing();
    void followsCardsAddedAndRemoved();
    void listingComesInBatchesKeepingTheChoice();
    void looksFindCardsTheWatchMisses();
    void correctsChosenCardsButOneChangedMeanwhile();
    void duplicates_data();
    void duplicates();
    void duplicatesOnlyKeepsGroups();

private:
    QStringList shownTitles() const;

    QTemporaryDir m_dir;
    CatalogueWindow *m_window = nullptr;
};

namespace {

QByteArray Card(const char *titre, const char *annee, const char *heures, const char *minutes, const char *type,
                const char *realisateur, const char *acteurs, const QByteArray &poster = {})
{
    const auto text = [](const char *utf8) { return EncodeCardText(QString::fromUtf8(utf8)); };
    return CardBytes({text(titre), annee, heures, minutes, text(type), text(realisateur), text(acteurs),
                      "Dit \"le film\", en deux lignes\r\nfin"}, poster);
}

} // namespace

void TestCatalogue::initTestCase()
{
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sous")));
    WriteBytes(m_dir.filePath("amelie.fsc"), Card("Le Fabuleux Destin d'Amélie Poulain", "2001", " 2", "10",
                                                  "Comédie", "Jean-Pierre Jeunet", "Audrey Tautou|"));
    WriteBytes(m_dir.filePath("coeur.fsc"), Card("Cœur fidèle", "1923", " 1", "27", "drame", "Jean Epstein", ""));
    WriteBytes(m_dir.filePath("sous/eclipse.fsc"),
               Card("Éclipse", "1962", " 2", "6 ", "Drame", "Michelangelo Antonioni", "Alain Delon|Monica Vitti|"));
    WriteBytes(m_dir.filePath("alien.fsc"),
               Card("Alien", "1979", " 1", "57", "Science-fiction", "Ridley Scott", "Sigourney Weaver|"));
    WriteBytes(m_dir.filePath("abîmée.fsc"), "pas une fiche");
    m_window = OpenCatalogue(m_dir.path());
    QTRY_VERIFY(!m_window->model->isListing());
}

QStringList TestCatalogue::shownTitles() const
{
    QStringList titles;
    for (int row = 0; row < m_window->model->rowCount(); ++row)
        titles << m_window->model->cardAt(row).title();
    return titles;
}

void TestCatalogue::search_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("titles"); // sorted by title
    QTest::addColumn<QString>("count");
    const QString amelie = QStringLiteral("Le Fabuleux Destin d'Amélie Poulain");
    QTest::newRow("accents and two words") << "amelie jeunet" << QStringList{amelie} << "1 fiche sur 5";
    QTest::newRow("capitals, accent typed") << "AMÉLIE" << QStringList{amelie} << "1 fiche sur 5";
    QTest::newRow("ligature") << "coeur" << QStringList{"Cœur fidèle"} << "1 fiche sur 5";
    QTest::newRow("director, two cards") << "  jean " << QStringList{"Cœur fidèle", amelie} << "2 fiches sur 5";
    QTest::newRow("actor and year") << "weaver 1979" << QStringList{"Alien"} << "1 fiche sur 5";
    QTest::newRow("one word missing") << "weaver 2001" << QStringList{} << "0 fiche sur 5";
    QTest::newRow("subfolder, summary") << "vitti LIGNES" << QStringList{"Éclipse"} << "1 fiche sur 5";
    QTest::newRow("damaged, by file name") << "abimee" << QStringList{"abîmée.fsc"} << "1 fiche sur 5";
    QTest::newRow("type") << "comedie" << QStringList{amelie} << "1 fiche sur 5";
    QTest::newRow("nothing typed") << ""
                                   << QStringList{"abîmée.fsc", "Alien", "Cœur fidèle", "Éclipse", amelie}
                                   << "5 fiches sur 5";
}

void TestCatalogue::search()
{
    QFETCH(QString, typed);
    m_window->tblFiches->sortByColumn(int(CatalogueColumn::Titre), Qt::AscendingOrder);
    m_window->txtRechercher->setText(typed);
    QFETCH(QStringList, titles);
    QFETCH(QString, count);
    QCOMPARE(shownTitles(), titles);
    QCOMPARE(m_window->lblCompte->text(), count);
}

void TestCatalogue::sort_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("titles");
    const QString amelie = QStringLiteral("Le Fabuleux Destin d'Amélie Poulain");
    const QString damaged = QStringLiteral("abîmée.fsc");
    // French order: accents and case count after the letters.
    QTest::newRow("title") << int(CatalogueColumn::Titre) << Qt::AscendingOrder
                           << QStringList{damaged, "Alien", "Cœur fidèle", "Éclipse", amelie};
    QTest::newRow("title, descending") << int(CatalogueColumn::Titre) << Qt::DescendingOrder
                                       << QStringList{amelie, "Éclipse", "Cœur fidèle", "Alien", damaged};
    QTest::newRow("year") << int(CatalogueColumn::Annee) << Qt::AscendingOrder
                          << QStringList{damaged, "Cœur fidèle", "Éclipse", "Alien", amelie};
    // 87, 117, 126 ("2h6"), 130 ("2h10") minutes: numbers, not texts.
    QTest::newRow("running time") << int(CatalogueColumn::Duree) << Qt::AscendingOrder
                                  << QStringList{damaged, "Cœur fidèle", "Alien", "Éclipse", amelie};
    QTest::newRow("director") << int(CatalogueColumn::Realisateur) << Qt::AscendingOrder
                              << QStringList{damaged, "Cœur fidèle", amelie, "Éclipse", "Alien"};
    QTest::newRow("type, equal ones by title") << int(CatalogueColumn::Type) << Qt::AscendingOrder
                                               << QStringList{damaged, amelie, "Cœur fidèle", "Éclipse", "Alien"};
}

void TestCatalogue::sort()
{
    m_window->txtRechercher->clear();
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, titles);
    m_window->tblFiches->sortByColumn(column, order);
    QCOMPARE(shownTitles(), titles);
}

void TestCatalogue::csvQuotesAsRfc4180_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("csv");
    const QByteArray heading = "\xEF\xBB\xBF" "Fichier,Titre,Ann\xC3\xA9" "e,Heures,Minutes,Type,R\xC3\xA9" "alisateur,"
                               "Acteurs,R\xC3\xA9sum\xC3\xA9\r\n";
    QTest::newRow("quotes, commas, line break") << "alien" << heading + "alien.fsc,Alien,1979,1,57,Science-fiction,"
                                                   "Ridley Scott,Sigourney Weaver,\"Dit \"\"le film\"\", en deux "
                                                   "lignes\r\nfin\"\r\n";
    QTest::newRow("actors joined, subfolder") << "vitti" << heading + "sous/eclipse.fsc,\xC3\x89" "clipse,1962,2,6,Drame,"
                                                 "Michelangelo Antonioni,\"Alain Delon, Monica Vitti\",\"Dit \"\"le "
                                                 "film\"\", en deux lignes\r\nfin\"\r\n";
    QTest::newRow("damaged") << "abimee" << heading + "ab\xC3\xAEm\xC3\xA9" "e.fsc,Fiche illisible,,,,,,,\r\n";
}

void TestCatalogue::csvQuotesAsRfc4180()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, csv);
    m_window->txtRechercher->setText(typed);
    QCOMPARE(CatalogueCsv(m_window->model->shownCards(), m_dir.path()), csv);
}

void TestCatalogue::damagedCardOpensNothing()
{
    ScriptedDesktop desktop;
    m_window->txtRechercher->setText(QStringLiteral("abimee"));
    const int windows = QApplication::topLevelWidgets().size();
    m_window->mnuAfficher->trigger();
    m_window->mnuModifier->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    const QString message = QStringLiteral("Fiche illisible : « %1 »").arg(m_dir.filePath("abîmée.fsc"));
    QCOMPARE(desktop.messages.size(), 2);
    QCOMPARE(desktop.messages.first().text, message);
    QCOMPARE(desktop.messages.last().text, message);
}

void TestCatalogue::followsCardsAddedAndRemoved()
{
    m_window->txtRechercher->setText(QStringLiteral("scott"));
    m_window->tblFiches->sortByColumn(int(CatalogueColumn::Annee), Qt::DescendingOrder);
    WriteBytes(m_dir.filePath("sous/alien3.fsc"),
               Card("Alien 3", "1992", " 1", "54", "Science-fiction", "David Fincher", "Sigourney Weaver|"));
    WriteBytes(m_dir.filePath("blade.fsc"),
               Card("Blade Runner", "1982", " 1", "57", "Science-fiction", "Ridley Scott", "Harrison Ford|",
                    Picture({30, 40})));
    QTRY_COMPARE_WITH_TIMEOUT(shownTitles(), QStringList({"Blade Runner", "Alien"}), 5000);
    QTRY_COMPARE(m_window->model->index(0, 0).data(Qt::AccessibleTextRole), QStringLiteral("Affiche du film"));
    QCOMPARE(m_window->model->index(1, 0).data(Qt::AccessibleTextRole), QStringLiteral("Aucune affiche"));
    QCOMPARE(m_window->model->cardAt(m_window->tblFiches->currentIndex().row()).title(), QStringLiteral("Alien"));
    QCOMPARE(m_window->lblCompte->text(), QStringLiteral("2 fiches sur 7"));
    QVERIFY(QFile::remove(m_dir.filePath("alien.fsc")));
    QTRY_COMPARE_WITH_TIMEOUT(shownTitles(), QStringList({"Blade Runner"}), 5000);
    QCOMPARE(m_window->lblCompte->text(), QStringLiteral("1 fiche sur 6"));
}

void TestCatalogue::listingComesInBatchesKeepingTheChoice()
{
    // 1 200 cards come in batches of 200, 400 and 600; the search, the sort
    // and the current card chosen after the first batch hold to the end.
    QTemporaryDir dir;
    for (int i = 0; i < 1200; ++i)
        WriteBytes(dir.filePath(QStringLiteral("%1.fsc").arg(i)),
                   CardBytes({QStringLiteral("Film %1").arg(i, 4, 10, QChar(u'0')).toLatin1(), "1950", {}, {},
                              i % 2 ? "Com\xE9" "die" : "Drame"}));
    CatalogueWindow window(dir.path());
    window.show();
    QStringList counts;
    QString chosen;
    connect(window.model, &CatalogueModel::countChanged, this, [&] {
        counts << window.lblCompte->text();
        if (counts.size() > 1)
            return;
        window.txtRechercher->setText(QStringLiteral("drame"));
        window.tblFiches->sortByColumn(int(CatalogueColumn::Titre), Qt::DescendingOrder);
        window.tblFiches->setCurrentIndex(window.model->index(window.model->rowCount() / 2, 1));
        chosen = window.model->cardAt(window.tblFiches->currentIndex().row()).path;
    });
    QTRY_VERIFY(!window.model->isListing());
    // The narrow no-break space groups thousands, as QLocale writes French.
    QCOMPARE(counts.first(), QStringLiteral("Lecture… 200 fiches"));
    QVERIFY(counts.contains(QStringLiteral("Lecture… 600 fiches")));
    QVERIFY(counts.contains(QStringLiteral("Lecture… 1\u202F200 fiches")));
    QCOMPARE(counts.last(), QStringLiteral("600 fiches sur 1\u202F200"));
    QCOMPARE(window.model->rowCount(), 600);
    QCOMPARE(window.model->cardAt(0).title(), QStringLiteral("Film 1198"));
    QCOMPARE(window.model->cardAt(599).title(), QStringLiteral("Film 0000"));
    QCOMPARE(window.model->cardAt(window.tblFiches->currentIndex().row()).path, chosen);
}

void TestCatalogue::looksFindCardsTheWatchMisses()
{
    // No change notification here: only the looks, forced every second on
    // a local folder, can find the cards.
    QTemporaryDir dir;
    qputenv("FICHOSCOPE_POLL_SECONDS", "1");
    FolderPoll poll(PollSeconds(dir.path()));
    qunsetenv("FICHOSCOPE_POLL_SECONDS");
    CatalogueModel model;
    connect(&poll, &FolderPoll::changed, &model, &CatalogueModel::relistFolders);
    QStringList leftOut; // "name when n cards were listed"
    connect(&model, &CatalogueModel::relisted, this, [&](const FolderListing &listing) {
        poll.take(listing);
        for (const CatalogueCard &card : listing.unsettled)
            leftOut << QStringLiteral("%1 with %2").arg(QFileInfo(card.path).fileName()).arg(model.totalCount());
    });
    model.relistFolders({dir.path()});
    QTRY_VERIFY(!model.isListing());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sous")));
    WriteBytes(dir.filePath("sous/alien.fsc"), Card("Alien", "1979", " 1", "57", "", "", ""));
    QTRY_COMPARE_WITH_TIMEOUT(model.totalCount(), 1, 10000);
    // A card cut short, as while it is written, waits until it is whole.
    const QByteArray blade = Card("Blade Runner", "1982", " 1", "57", "", "", "");
    WriteBytes(dir.filePath("sous/blade.fsc"), blade.left(600));
    QTRY_COMPARE_WITH_TIMEOUT(leftOut, QStringList{"blade.fsc with 1"}, 10000);
    WriteBytes(dir.filePath("sous/blade.fsc"), blade);
    QTRY_COMPARE_WITH_TIMEOUT(model.totalCount(), 2, 10000);
    QCOMPARE(model.cardAt(model.rowOf(dir.filePath("sous/blade.fsc"))).text(CardRecord::Annee), "1982");
}

void TestCatalogue::correctsChosenCardsButOneChangedMeanwhile()
{
    QTemporaryDir dir;
    const QByteArray poster = Picture({30, 40});
    for (const char *title : {"a", "b", "c"})
        WriteBytes(dir.filePath(QStringLiteral("%1.fsc").arg(title)), Card(title, "1950", " 1", "30", "Drame", "X", "", poster));
    CatalogueWindow window(dir.path());
    window.show();
    QTRY_VERIFY(!window.model->isListing());
    window.tblFiches->selectAll();
    // Another program rewrites c once it is listed: c stays as it wrote it.
    const QByteArray rewritten = Card("c", "1951", " 1", "30", "Drame", "Y", "");
    WriteBytes(dir.filePath("c.fsc"), rewritten);
    ScriptedDesktop desktop;
    desktop.answers = {Answer::Yes};
    WhenModal([](QWidget *dialog) {
        QTest::keyClicks(static_cast<CorrectionDialog *>(dialog)->txtType, QStringLiteral("Western"));
        static_cast<QDialog *>(dialog)->accept();
    });
    window.mnuModifierChoisies->trigger();
    QTRY_COMPARE(desktop.messages.size(), 2);
    QCOMPARE(desktop.messages[0].text, QStringLiteral("Modifier 3 fiches ?"));
    QCOMPARE(desktop.messages[1].text, QStringLiteral("1 fiche sur 3 n'a pas été modifiée :\rLa fiche « %1 » a changé "
                                                      "depuis sa lecture : elle n'est pas modifiée.")
                                           .arg(dir.filePath("c.fsc")));
    QCOMPARE(ReadBytes(dir.filePath("a.fsc")), Card("a", "1950", " 1", "30", "Western", "X", "", poster));
    QCOMPARE(ReadBytes(dir.filePath("b.fsc")), Card("b", "1950", " 1", "30", "Western", "X", "", poster));
    QCOMPARE(ReadBytes(dir.filePath("c.fsc")), rewritten);
}

void TestCatalogue::duplicates_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("same");
    QTest::newRow("case and accents") << "Le Mépris" << "LE MEPRIS" << true;
    QTest::newRow("article le") << "Le Mépris" << "mépris" << true;
    QTest::newRow("article les") << "Les Vampires" << "Vampires" << true;
    QTest::newRow("article l'") << "L'Atalante" << "Atalante" << true;
    QTest::newRow("typographic apostrophe") << "L\u2019Atalante" << "l'atalante" << true;
    QTest::newRow("article the") << "The Kid" << "Kid" << true;
    QTest::newRow("ligature, blanks") << "Cœur  fidèle" << "Coeur fidele " << true;
    QTest::newRow("one article only") << "La La Land" << "La Land" << false;
    QTest::newRow("no article without a blank") << "Lelouch" << "louch" << false;
    QTest::newRow("article inside") << "Paris, la nuit" << "Paris, nuit" << false;
}

void TestCatalogue::duplicates()
{
    QFETCH(QString, title);
    QFETCH(QString, other);
    QFETCH(bool, same);
    const auto card = [](const QString &text) {
        CatalogueCard listed;
        listed.readable = true;
        listed.setRecord(CardRecord::fromBytes(CardBytes({EncodeCardText(text), "1963"}).mid(kMarkerSize)));
        return DuplicateKey(listed);
    };
    QCOMPARE(card(title) == card(other), same);
}

void TestCatalogue::duplicatesOnlyKeepsGroups()
{
    QTemporaryDir dir;
    const char *films[][2] = {{"Alien", "1979"}, {"Le Mépris", "1963"}, {"Aliens", "1986"},
                              {"Mépris", "1963"}, {"Alien", "1986"},    {"alien", "1979"}};
    for (int i = 0; i < 6; ++i)
        WriteBytes(dir.filePath(QStringLiteral("%1.fsc").arg(i)), Card(films[i][0], films[i][1], "", "", "", "", ""));
    CatalogueWindow window(dir.path());
    window.show();
    QTRY_VERIFY(!window.model->isListing());
    window.tblFiches->sortByColumn(int(CatalogueColumn::Annee), Qt::AscendingOrder);
    window.mnuDoublons->trigger();
    QStringList shown;
    for (int row = 0; row < window.model->rowCount(); ++row)
        shown << QFileInfo(window.model->cardAt(row).path).baseName();
    QCOMPARE(shown, QStringList({"1", "3", "5", "0"}));
    QCOMPARE(window.lblCompte->text(), QStringLiteral("4 fiches sur 6"));
}

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
