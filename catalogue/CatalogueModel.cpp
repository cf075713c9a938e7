#include "catalogue/CatalogueModel.h"

#include "catalogue/Thumbnails.h"

#include "platform/PosterName.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kThumbnailBound = 48;

} // namespace

CatalogueModel::CatalogueModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_thumbnails(new Thumbnails(kThumbnailBound, this))
{
    connect(m_thumbnails, &Thumbnails::loaded, this, [this](const QString &path) {
        if (const int row = rowOf(path); row >= 0)
            emit dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole, Qt::AccessibleTextRole});
    });
    connect(&m_listing, &QFutureWatcher<FolderListing>::finished, this, [this] {
        m_listingRuns = false;
        takeListing(m_listing.future().takeResult());
        if (!m_waitingFolders.isEmpty())
            startListing();
    });
}

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CatalogueModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kCatalogueColumnCount;
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CatalogueCard &card = cardAt(index.row());
    const auto column = CatalogueColumn(index.column());
    if (role == Qt::DecorationRole && column == CatalogueColumn::Affiche && card.readable)
        return m_thumbnails->thumbnail(card.path);
    if (role == Qt::ToolTipRole)
        return card.path;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (column) {
    case CatalogueColumn::Affiche:
        if (!card.readable)
            return QString::fromLatin1(kUnreadableCard);
        if (role == Qt::AccessibleTextRole)
            return PosterAccessibleName(!m_thumbnails->thumbnail(card.path).isNull());
        return {};
    case CatalogueColumn::Titre: return card.title();
    case CatalogueColumn::Annee: return card.readable ? card.text(CardRecord::Annee) : QString();
    case CatalogueColumn::Duree: return card.readable ? card.duration() : QString();
    case CatalogueColumn::Type: return card.readable ? card.text(CardRecord::Type) : QString();
    case CatalogueColumn::Realisateur: return card.readable ? card.text(CardRecord::Realisateur) : QString();
    }
    return {};
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[] = {"Affiche", "Titre", "Année", "Durée", "Type", "Réalisateur"};
    return QString::fromUtf8(captions[section]);
}

void CatalogueModel::sort(int column, Qt::SortOrder order)
{
    rebuildRows([&] {
        m_sortColumn = CatalogueColumn(column);
        m_sortOrder = order;
    });
}

void CatalogueModel::setCards(std::vector<CatalogueCard> cards)
{
    rebuildRows([&] { m_cards = std::move(cards); });
}

void CatalogueModel::relistFolders(const QStringList &folders)
{
    m_waitingFolders << folders;
    if (!m_listingRuns)
        startListing();
}

void CatalogueModel::startListing()
{
    const QStringList folders = std::exchange(m_waitingFolders, {});
    std::vector<CatalogueCard> known;
    for (const CatalogueCard &card : m_cards)
        if (LiesUnder(card.path, folders))
            known.push_back(card);
    m_listingRuns = true;
    m_listing.setFuture(QtConcurrent::run([folders, known = std::move(known)] { return ListFolders(folders, known); }));
}

void CatalogueModel::takeListing(FolderListing listing)
{
    for (const QString &path : std::as_const(listing.changed))
        m_thumbnails->forget(path);
    rebuildRows([&] {
        std::erase_if(m_cards, [&listing](const CatalogueCard &card) { return LiesUnder(card.path, listing.roots); });
        std::move(listing.cards.begin(), listing.cards.end(), std::back_inserter(m_cards));
    });
    emit relisted(listing.folders);
}

void CatalogueModel::setSearch(const QString &typed)
{
    rebuildRows([&] {
        m_search = CatalogueSearch(typed);
        ++m_searchNumber;
    });
}

int CatalogueModel::rowOf(const QString &path) const
{
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_cards[m_rows[row]].path == path)
            return int(row);
    return -1;
}

QStringList CatalogueModel::cardPaths() const
{
    QStringList paths;
    paths.reserve(qsizetype(m_cards.size()));
    for (const CatalogueCard &card : m_cards)
        paths << card.path;
    return paths;
}

std::vector<CatalogueCard> CatalogueModel::shownCards() const
{
    std::vector<CatalogueCard> shown;
    shown.reserve(m_rows.size());
    for (int index : m_rows)
        shown.push_back(m_cards[index]);
    return shown;
}

void CatalogueModel::rebuildRows(const std::function<void()> &change)
{
    beginResetModel();
    change();
    m_rows.clear();
    for (size_t i = 0; i < m_cards.size(); ++i) {
        TableKeys &keys = m_cards[i].keys;
        if (keys.search != m_searchNumber) {
            keys.search = m_searchNumber;
            keys.matches = m_search.matches(m_cards[i]);
        }
        if (keys.matches)
            m_rows.push_back(int(i));
    }
    SortCards(m_rows, m_cards, m_sortColumn, m_sortOrder);
    endResetModel();
}
