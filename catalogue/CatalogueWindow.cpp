#include "catalogue/CatalogueWindow.h"

#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueFolder.h"
#include "catalogue/CatalogueModel.h"
#include "catalogue/CorrectionDialog.h"
#include "catalogue/DetailsPane.h"
#include "catalogue/FolderPoll.h"
#include "catalogue/ImportWindow.h"
#include "catalogue/PosterWall.h"
#include "catalogue/SharedFolder.h"
#include "catalogue/Thumbnails.h"
#include "core/Clock.h"
#include "core/FolderWatch.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "platform/KeyboardAccess.h"
#include "print/PrintCommands.h"
#include "print/PrintJobs.h"
#include "viewer/LoadViewer.h"

#include <QActionGroup>
#include <QDockWidget>
#include <QEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kRowHeight = 52; // a 48-pixel thumbnail and a margin

QAction *Item(QMenu *menu, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

// Runs the work off the interface thread, its command disabled and the
// status line saying so meanwhile, then hands its result to `done`.
template <typename Result, typename Done>
void RunAside(QMainWindow *window, QAction *command, const QString &status, QFuture<Result> work, Done done)
{
    command->setEnabled(false);
    window->statusBar()->showMessage(status);
    auto *watcher = new QFutureWatcher<Result>(window);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, window, [window, command, watcher, done] {
        const Result result = watcher->result();
        watcher->deleteLater();
        command->setEnabled(true);
        window->statusBar()->clearMessage();
        done(result);
    });
    watcher->setFuture(work);
}

} // namespace

CatalogueWindow::CatalogueWindow(const QString &folder, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(QFileInfo(folder).absoluteFilePath())
{
    const QString name = QFileInfo(m_folder).fileName();
    setWindowTitle((name.isEmpty() ? m_folder : name) + QStringLiteral(" - Fichoscope"));
    model = new CatalogueModel(this);
    createControls();
    createMenus();
    GiveShortcutsPrecedence(this);

    connect(model, &CatalogueModel::countChanged, this, &CatalogueWindow::updateCount);
    // A card is always chosen when there are rows, so that Entrée opens one:
    // the first, unless one was chosen while the cards came or its row left.
    connect(model, &CatalogueModel::countChanged, this, [this] {
        if (!tblFiches->currentIndex().isValid() && model->rowCount() > 0 && !model->isListing())
            tblFiches->setCurrentIndex(model->index(0, int(CatalogueColumn::Titre)));
    });

    // The folders listed are watched from then on, and listed again for the
    // cards that came before the watch. Other machines' changes to a shared
    // folder escape the watch: such a folder is also looked at now and then.
    auto *watch = new FolderWatch(this);
    auto *poll = new FolderPoll(PollSeconds(m_folder), this);
    connect(watch, &FolderWatch::changed, model, &CatalogueModel::relistFolders);
    connect(poll, &FolderPoll::changed, model, &CatalogueModel::relistFolders);
    connect(model, &CatalogueModel::relisted, this, [this, watch, poll](const FolderListing &listing) {
        poll->take(listing);
        if (const QStringList added = watch->watchFolders(listing.folders.keys()); !added.isEmpty())
            model->relistFolders(added);
    });
    updateCount();
}

CatalogueWindow::~CatalogueWindow()
{
    // The pane's dock and the views hide as the window goes, and say so:
    // nothing may call back into a window half destroyed.
    for (QObject *sender : std::initializer_list<QObject *>{m_details, tblFiches->selectionModel(), model})
        sender->disconnect(this);
}

bool CatalogueWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // The cards are listed once the window is on screen: on two cores, a
    // listing started before would hold its first paint back.
    if (event->type() == QEvent::Paint && !m_listingStarted) {
        m_listingStarted = true;
        QTimer::singleShot(0, model, [this] { model->relistFolders({m_folder}); });
    }
    return handled;
}

void CatalogueWindow::createControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *searchLabel = new QLabel(QStringLiteral("&Rechercher :"), central);
    txtRechercher = new QLineEdit(central);
    txtRechercher->setObjectName(QStringLiteral("txtRechercher"));
    txtRechercher->setAccessibleName(QStringLiteral("Rechercher"));
    txtRechercher->setClearButtonEnabled(true);
    searchLabel->setBuddy(txtRechercher);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(txtRechercher);
    layout->addLayout(searchRow);

    tblFiches = new QTableView(central);
    tblFiches->setObjectName(QStringLiteral("tblFiches"));
    tblFiches->setAccessibleName(QStringLiteral("Fiches"));
    tblFiches->setModel(model);
    tblFiches->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblFiches->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblFiches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblFiches->setIconSize({48, 48});
    tblFiches->setWordWrap(false);
    tblFiches->verticalHeader()->hide();
    tblFiches->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblFiches->verticalHeader()->setDefaultSectionSize(kRowHeight);
    tblFiches->horizontalHeader()->setStretchLastSection(true);
    tblFiches->setColumnWidth(int(CatalogueColumn::Affiche), 70);
    tblFiches->setColumnWidth(int(CatalogueColumn::Titre), 300);
    tblFiches->setColumnWidth(int(CatalogueColumn::Annee), 60);
    tblFiches->setColumnWidth(int(CatalogueColumn::Duree), 60);
    tblFiches->setColumnWidth(int(CatalogueColumn::Type), 140);
    tblFiches->horizontalHeader()->setSortIndicator(int(CatalogueColumn::Titre), Qt::AscendingOrder);
    tblFiches->setSortingEnabled(true);
    m_views = new QStackedWidget(central);
    m_views->addWidget(tblFiches);
    layout->addWidget(m_views);
    setCentralWidget(central);

    // The chosen card beside the list, hidden at first.
    m_details = new QDockWidget(QStringLiteral("Détails"), this);
    m_details->setObjectName(QStringLiteral("dckDetails"));
    panDetails = new DetailsPane(m_details);
    m_details->setWidget(panDetails);
    addDockWidget(Qt::RightDockWidgetArea, m_details);
    m_details->hide();
    mnuDetails = m_details->toggleViewAction();
    mnuDetails->setText(QStringLiteral("Dé&tails"));
    mnuDetails->setShortcut(QKeySequence(Qt::Key_F9));
    connect(m_details, &QDockWidget::visibilityChanged, this, &CatalogueWindow::showDetails);
    connect(tblFiches->selectionModel(), &QItemSelectionModel::currentChanged, this, &CatalogueWindow::showDetails);
    connect(model, &QAbstractItemModel::dataChanged, this, &CatalogueWindow::showDetails);

    lblCompte = new QLabel(this);
    lblCompte->setObjectName(QStringLiteral("lblCompte"));
    // Wide enough for the counts of large catalogues, so that they never
    // show cut while they grow.
    lblCompte->setMinimumWidth(lblCompte->fontMetrics().horizontalAdvance(CountLine(100000, 100000)));
    lblCompte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addPermanentWidget(lblCompte);
    resize(900, 600);

    connect(txtRechercher, &QLineEdit::textChanged, model, &CatalogueModel::setSearch);
    connect(txtRechercher, &QLineEdit::returnPressed, this, &CatalogueWindow::showCard);
    connect(tblFiches, &QAbstractItemView::doubleClicked, this, &CatalogueWindow::showCard);
    connect(tblFiches->verticalScrollBar(), &QScrollBar::valueChanged, model->thumbnails(), &Thumbnails::dropQueued);
}

void CatalogueWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    mnuAfficher = Item(file, QStringLiteral("&Afficher"), QKeySequence(Qt::Key_Return));
    // Entrée shows the card while the table has the focus; the search field
    // has its own.
    mnuAfficher->setShortcutContext(Qt::WidgetShortcut);
    tblFiches->addAction(mnuAfficher);
    mnuModifier = Item(file, QStringLiteral("&Modifier"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuModifierChoisies = Item(file, QStringLiteral("Modifier &les fiches choisies..."), {});
    connect(mnuModifierChoisies, &QAction::triggered, this, &CatalogueWindow::correctChosenCards);
    mnuExporter = Item(file, QStringLiteral("E&xporter..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mnuImporter = Item(file, QStringLiteral("&Importer..."), QKeySequence(Qt::CTRL | Qt::Key_I));
    file->addSeparator();
    mnuImprimer = Item(file, QStringLiteral("&Imprimer..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuImprimerChoisies = Item(file, QStringLiteral("Imprimer les fiches c&hoisies..."), {});
    file->addSeparator();
    mnuFermer = Item(file, QStringLiteral("&Fermer"), QKeySequence(Qt::CTRL | Qt::Key_W));
    // The headers' clicks from the keyboard: the same column again reverses.
    QMenu *sortMenu = menuBar()->addMenu(QStringLiteral("&Trier"));
    const QList<std::pair<QString, CatalogueColumn>> sorts = {
        {QStringLiteral("par &titre"), CatalogueColumn::Titre},
        {QStringLiteral("par &année"), CatalogueColumn::Annee},
        {QStringLiteral("par &durée"), CatalogueColumn::Duree},
        {QStringLiteral("par t&ype"), CatalogueColumn::Type},
        {QStringLiteral("par &réalisateur"), CatalogueColumn::Realisateur}};
    for (int i = 0; i < sorts.size(); ++i) {
        const int column = int(sorts[i].second);
        connect(Item(sortMenu, sorts[i].first, QKeySequence(Qt::CTRL | (Qt::Key_1 + i))), &QAction::triggered, this,
                [this, column] {
                    const QHeaderView *header = tblFiches->horizontalHeader();
                    const bool reverse =
                        header->sortIndicatorSection() == column && header->sortIndicatorOrder() == Qt::AscendingOrder;
                    tblFiches->sortByColumn(column, reverse ? Qt::DescendingOrder : Qt::AscendingOrder);
                });
    }
    QMenu *view = menuBar()->addMenu(QStringLiteral("&Affichage"));
    mnuDoublons = Item(view, QStringLiteral("&Doublons"), {});
    mnuDoublons->setCheckable(true);
    connect(mnuDoublons, &QAction::toggled, model, &CatalogueModel::setDuplicatesOnly);
    view->addAction(mnuDetails);
    view->addSeparator();
    auto *shapes = new QActionGroup(this);
    mnuListe = Item(view, QStringLiteral("&Liste"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    mnuAffiches = Item(view, QStringLiteral("&Affiches"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    for (QAction *shape : {mnuListe, mnuAffiches}) {
        shape->setCheckable(true);
        shapes->addAction(shape);
    }
    mnuListe->setChecked(true);
    connect(mnuAffiches, &QAction::toggled, this, &CatalogueWindow::showWall);

    auto *find = new QAction(this);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(find);

    connect(mnuAfficher, &QAction::triggered, this, &CatalogueWindow::showCard);
    connect(mnuModifier, &QAction::triggered, this, &CatalogueWindow::editCard);
    connect(mnuExporter, &QAction::triggered, this, &CatalogueWindow::exportRows);
    connect(mnuImporter, &QAction::triggered, this, [this] { ImportCollection(this, m_folder); });
    connect(mnuImprimer, &QAction::triggered, this, [this] {
        const std::unique_ptr<PrintJob> job = listJob();
        PrintWithDialog(this, *job);
    });
    connect(mnuImprimerChoisies, &QAction::triggered, this, &CatalogueWindow::printChosenCards);
    connect(mnuFermer, &QAction::triggered, this, &QWidget::close);
    connect(find, &QAction::triggered, txtRechercher, [this] {
        txtRechercher->setFocus();
        txtRechercher->selectAll();
    });
}

QString CatalogueWindow::currentCardPath()
{
    const QModelIndex current = tblFiches->currentIndex();
    if (!current.isValid())
        return {};
    const QString path = model->cardAt(current.row()).path;
    // The file may have changed since it was listed: opening a card that
    // is no card any more would end the program.
    if (!ReadCatalogueCard(path).readable) {
        ShowMessage(this, QStringLiteral("%1 : « %2 »").arg(QString::fromLatin1(kUnreadableCard), path),
                    MessageButtons::Ok, MessageIcon::Warning);
        return {};
    }
    return path;
}

void CatalogueWindow::showCard()
{
    if (const QString path = currentCardPath(); !path.isEmpty())
        LoadViewer(path);
}

void CatalogueWindow::editCard()
{
    if (const QString path = currentCardPath(); !path.isEmpty())
        emit editRequested(path);
}

void CatalogueWindow::correctChosenCards()
{
    std::vector<CatalogueCard> cards;
    QSet<QString> folders;
    for (const QModelIndex &row : tblFiches->selectionModel()->selectedRows()) {
        cards.push_back(model->cardAt(row.row()));
        folders.insert(QFileInfo(cards.back().path).absolutePath());
    }
    if (cards.empty())
        return;
    CorrectionDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.correction().empty()
        || ShowMessage(this, QStringLiteral("Modifier %1 ?").arg(CardCount(int(cards.size()))), MessageButtons::YesNo,
                       MessageIcon::Question, Answer::No)
            != Answer::Yes)
        return;

    const int count = int(cards.size());
    RunAside(this, mnuModifierChoisies, QStringLiteral("Modification en cours..."),
             QtConcurrent::run(CorrectCards, std::move(cards), dialog.correction()),
             [this, count, folders = QStringList(folders.begin(), folders.end())](const QStringList &failures) {
                 // The cards written are read again, whatever watches them.
                 model->relistFolders(folders);
                 const int failed = int(failures.size());
                 if (failed == 0)
                     statusBar()->showMessage(
                         CardCount(count) + (count < 2 ? QStringLiteral(" modifiée") : QStringLiteral(" modifiées")),
                         5000);
                 else
                     ShowMessage(this,
                                 CardCount(failed) + QStringLiteral(" sur %1 ").arg(count)
                                     + (failed < 2 ? QStringLiteral("n'a pas été modifiée :\r")
                                                   : QStringLiteral("n'ont pas été modifiées :\r"))
                                     + failures.join(u'\r'),
                                 MessageButtons::Ok, MessageIcon::Warning);
             });
}

void CatalogueWindow::exportRows()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Exporter");
    request.filters = {{QStringLiteral("Tableau CSV (*.csv)"), QStringLiteral("*.csv")},
                       {QStringLiteral("Page HTML (*.html)"), QStringLiteral("*.html;*.htm")},
                       {QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("*.pdf")}};
    request.startFolder = SpecialFolderPath(SpecialFolder::Documents);
    request.initialName = QFileInfo(m_folder).fileName() + QStringLiteral(".csv");
    request.choice = FileChoice::SaveTarget;
    QString path = CurrentDesktop().chooseFile(this, request);
    if (path.isEmpty())
        return;
    const ExportFormat format = ExportFormatOf(path);
    if (QFileInfo::exists(path)
        && ShowMessage(this, QStringLiteral("Le fichier existe déjà. Le remplacer ?"), MessageButtons::YesNo,
                       MessageIcon::Question, Answer::No)
            != Answer::Yes)
        return;
    if (format == ExportFormat::Pdf) {
        // Drawn page by page behind a progress window.
        const std::unique_ptr<PrintJob> job = listJob();
        ExportPdfTo(this, *job, path);
        return;
    }

    // The posters of an HTML page take a while: the window stays usable.
    RunAside(this, mnuExporter, QStringLiteral("Exportation en cours..."),
             QtConcurrent::run([cards = model->shownCards(), folder = m_folder, title = windowTitle(), format, path] {
                 return WriteExport(
                     path, format == ExportFormat::Html ? CatalogueHtml(cards, title) : CatalogueCsv(cards, folder));
             }),
             [this, path](const IoStatus &written) {
                 if (!written.ok())
                     ShowMessage(this, written.errorString, MessageButtons::Ok, MessageIcon::Critical);
                 else
                     statusBar()->showMessage(QStringLiteral("Exporté dans « %1 »").arg(path), 5000);
             });
}

// The rows shown, in the order and with the search shown.
std::unique_ptr<PrintJob> CatalogueWindow::listJob() const
{
    ListHeading heading{QFileInfo(m_folder).fileName(), CurrentClock().now().date(),
                        CountLine(model->rowCount(), model->totalCount()), txtRechercher->text().trimmed()};
    return std::make_unique<ListJob>(PrintRows(model->shownCards()), std::move(heading));
}

void CatalogueWindow::printChosenCards()
{
    QModelIndexList chosen = tblFiches->selectionModel()->selectedRows();
    std::sort(chosen.begin(), chosen.end());
    QStringList paths;
    for (const QModelIndex &row : chosen)
        paths << model->cardAt(row.row()).path;
    if (!paths.isEmpty())
        PrintCardFiles(this, paths, QFileInfo(m_folder).fileName());
}

void CatalogueWindow::showWall(bool wall)
{
    if (wall && !lstAffiches) {
        lstAffiches = new PosterWall(model, m_views);
        // One choice for both views: the current card stays as they swap.
        lstAffiches->setSelectionModel(tblFiches->selectionModel());
        lstAffiches->addAction(mnuAfficher);
        connect(lstAffiches, &QAbstractItemView::doubleClicked, this, &CatalogueWindow::showCard);
        m_views->addWidget(lstAffiches);
    }
    QAbstractItemView *shown = wall ? static_cast<QAbstractItemView *>(lstAffiches) : tblFiches;
    m_views->setCurrentWidget(shown);
    shown->scrollTo(shown->currentIndex());
    shown->setFocus();
}

void CatalogueWindow::showDetails()
{
    if (!panDetails->isVisible())
        return;
    const QModelIndex current = tblFiches->currentIndex();
    panDetails->showCard(current.isValid() ? &model->cardAt(current.row()) : nullptr);
}

void CatalogueWindow::updateCount()
{
    lblCompte->setText(model->isListing() ? ReadingLine(model->totalCount())
                                          : CountLine(model->rowCount(), model->totalCount()));
}
