#include "catalogue/CatalogueModel.h"
#include "catalogue/CatalogueWindow.h"
#include "catalogue/DetailsPane.h"
#include "catalogue/PosterWall.h"
#include "support/CardBytes.h"
#include "support/Pictures.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// The wall of posters and the details pane of a catalogue of four cards:
// two with a poster, one whose poster is damaged, one without.
class TestCatalogueViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wallShowsTheRowsInOrder_data();
    void wallShowsTheRowsInOrder();
    void enterOnTheWallOpensTheCard();
    void detailsFollowTheChoice_data();
    void detailsFollowTheChoice();
    void cardRewrittenInPlaceShows();
    void wallKeepsTheCurrentCardInViewAsItNarrows();

private:
    void choose(const char *file);

    QTemporaryDir m_dir;
    std::unique_ptr<CatalogueWindow> m_window;
};

namespace {

const QByteArray kDamagedJpeg = QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(300, '\x5A');

} // namespace

void TestCatalogueViews::initTestCase()
{
    WriteBytes(m_dir.filePath("a.fsc"), CardBytes({"Alien", "1979", " 1", "57", "Science-fiction", "Ridley Scott",
                                                   "Sigourney Weaver|John Hurt|", "Un \xE9quipage\r\nr\xE9veill\xE9."},
                                                  Picture({40, 60})));
    WriteBytes(m_dir.filePath("b.fsc"), CardBytes({"Brazil", "1985", " 2", "22", "Com\xE9" "die", "Terry Gilliam",
                                                   "Jonathan Pryce|"},
                                                  kDamagedJpeg));
    WriteBytes(m_dir.filePath("c.fsc"), CardBytes({"Casablanca", "1942", " 1", "42", "Drame", "Michael Curtiz",
                                                   "Humphrey Bogart|Ingrid Bergman|"}));
    WriteBytes(m_dir.filePath("d.fsc"), CardBytes({"Delicatessen", "1991", " 1", "39", "Com\xE9" "die", "Jeunet", ""},
                                                  Picture({60, 40})));
    m_window = std::make_unique<CatalogueWindow>(m_dir.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_VERIFY(!m_window->model->isListing());
    m_window->mnuAffiches->trigger();
    QVERIFY(m_window->lstAffiches);
}

void TestCatalogueViews::choose(const char *file)
{
    m_window->tblFiches->setCurrentIndex(
        m_window->model->index(m_window->model->rowOf(m_dir.filePath(file)), int(CatalogueColumn::Titre)));
}

void TestCatalogueViews::wallShowsTheRowsInOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("titles"); // as the wall shows them: by line, left to right
    QTest::newRow("year") << "" << int(CatalogueColumn::Annee) << Qt::AscendingOrder
                          << QStringList{"Casablanca", "Alien", "Brazil", "Delicatessen"};
    // 142, 117, 102 and 99 minutes.
    QTest::newRow("running time, descending") << "" << int(CatalogueColumn::Duree) << Qt::DescendingOrder
                                              << QStringList{"Brazil", "Alien", "Casablanca", "Delicatessen"};
    QTest::newRow("searched, title descending") << "comedie" << int(CatalogueColumn::Titre) << Qt::DescendingOrder
                                                << QStringList{"Delicatessen", "Brazil"};
}

void TestCatalogueViews::wallShowsTheRowsInOrder()
{
    QFETCH(QString, typed);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    m_window->txtRechercher->setText(typed);
    m_window->tblFiches->sortByColumn(column, order);
    PosterWall *wall = m_window->lstAffiches;
    QList<std::pair<QPoint, QString>> cells;
    for (int row = 0; row < wall->model()->rowCount(); ++row) {
        const QModelIndex cell = wall->model()->index(row, wall->modelColumn());
        const QRect place = wall->visualRect(cell);
        cells.append({{place.left(), place.top()}, cell.data().toString()});
    }
    std::sort(cells.begin(), cells.end(), [](const auto &a, const auto &b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    QStringList titles;
    for (const auto &cell : cells)
        titles << cell.second;
    QTEST(titles, "titles");
}

void TestCatalogueViews::enterOnTheWallOpensTheCard()
{
    m_window->txtRechercher->clear();
    m_window->tblFiches->sortByColumn(int(CatalogueColumn::Titre), Qt::AscendingOrder);
    PosterWall *wall = m_window->lstAffiches;
    wall->setFocus();
    wall->setCurrentIndex(wall->model()->index(2, wall->modelColumn()));
    QTest::keyClick(wall, Qt::Key_Return);
    QWidget *viewer = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmInfos") && window->isVisible())
            viewer = window;
    QVERIFY(viewer);
    QCOMPARE(viewer->findChild<QLabel *>(QStringLiteral("lblTitre"))->text(), QStringLiteral("Casablanca"));
    viewer->close();
}

void TestCatalogueViews::detailsFollowTheChoice_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("texts"); // title, year, running time, type, director, actors, summary
    QTest::addColumn<QString>("poster");
    QTest::newRow("poster") << "a.fsc"
                            << QStringList{"Alien", "Année : 1979", "Durée :  1h57", "Science-fiction", "Ridley Scott",
                                           "Sigourney Weaver\nJohn Hurt", "Un équipage\nréveillé."}
                            << "Affiche du film";
    QTest::newRow("damaged poster") << "b.fsc"
                                    << QStringList{"Brazil", "Année : 1985", "Durée :  2h22", "Comédie",
                                                   "Terry Gilliam", "Jonathan Pryce", ""}
                                    << "Aucune affiche";
    QTest::newRow("no poster") << "c.fsc"
                               << QStringList{"Casablanca", "Année : 1942", "Durée :  1h42", "Drame", "Michael Curtiz",
                                              "Humphrey Bogart\nIngrid Bergman", ""}
                               << "Aucune affiche";
}

void TestCatalogueViews::detailsFollowTheChoice()
{
    QFETCH(QString, file);
    QFETCH(QStringList, texts);
    QFETCH(QString, poster);
    // Chosen while the pane is hidden, shown when it opens.
    if (m_window->mnuDetails->isChecked())
        m_window->mnuDetails->trigger();
    choose(file.toLatin1().constData());
    m_window->mnuDetails->trigger();
    const DetailsPane *pane = m_window->panDetails;
    QVERIFY(pane->isVisible());
    const QStringList shown{pane->lblTitre->text(), pane->lblAnnee->text(),          pane->lblDuree->text(),
                            pane->lblType->text(),  pane->lblRealisateur->text(),    pane->lblActeurs->text(),
                            pane->lblResume->text()};
    QCOMPARE(shown, texts);
    QTRY_COMPARE(pane->imgAffiche->accessibleName(), poster);
    // The damaged poster held nothing up: the wall shows the others'.
    QTRY_VERIFY(!m_window->model->index(m_window->model->rowOf(m_dir.filePath("d.fsc")), 1)
                     .data(kWallPosterRole)
                     .value<QImage>()
                     .isNull());
}

void TestCatalogueViews::cardRewrittenInPlaceShows()
{
    // Written over in place, as another program may: the folder's watch
    // sees it, and the pane shows the card as it is now.
    choose("c.fsc");
    WriteBytes(m_dir.filePath("c.fsc"),
               CardBytes({"Casablanca", "1942", " 1", "42", "Drame", "Michael Curtiz (1942)", "Humphrey Bogart|"}));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->panDetails->lblRealisateur->text(), QStringLiteral("Michael Curtiz (1942)"),
                              5000);
    QCOMPARE(m_window->panDetails->lblActeurs->text(), QStringLiteral("Humphrey Bogart"));
}

void TestCatalogueViews::wallKeepsTheCurrentCardInViewAsItNarrows()
{
    // Sixty cards, six a line: the 41st is on the seventh line, and on the
    // eleventh once the Détails pane takes its width.
    QTemporaryDir dir;
    for (int i = 0; i < 60; ++i)
        WriteBytes(dir.filePath(QStringLiteral("%1.fsc").arg(i, 2, 10, QChar(u'0'))),
                   CardBytes({QStringLiteral("Film %1").arg(i, 2, 10, QChar(u'0')).toLatin1()}));
    CatalogueWindow window(dir.path());
    window.resize(900, 600);
    window.show();
    QTRY_VERIFY(!window.model->isListing());
    window.mnuAffiches->trigger();
    PosterWall *wall = window.lstAffiches;
    wall->setCurrentIndex(window.model->index(40, wall->modelColumn()));
    wall->scrollTo(wall->currentIndex());
    window.mnuDetails->trigger();
    QTRY_VERIFY(wall->viewport()->width() < 700);
    QTRY_VERIFY(wall->viewport()->rect().contains(wall->visualRect(wall->currentIndex())));
}

QTEST_MAIN(TestCatalogueViews)
#include "test_catalogue_views.moc"
