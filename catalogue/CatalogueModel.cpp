#include "catalogue/CatalogueModel.h"

#include "catalogue/Duplicates.h"
#include "catalogue/Thumbnails.h"

#include "platform/PosterName.h"

#include <QCoreApplication>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <span>

namespace {

constexpr int kThumbnailBound = 48;
constexpr int kWallPosterBound = 180; // 120 pixels wide for a poster two thirds as wide as high
// Enough for a screenful, and for scrolling back a little.
constexpr int kThumbnailsKept = 300;
// About half a millisecond of searching.
constexpr size_t kSearchSlice = 4000;

void ListInParts(QPromise<ListingPart> &promise, const QStringList &folders, const std::vector<KnownCard> &known,
                 QThreadPool *readers)
{
    FolderListing listing = ListFolders(folders, known, *readers, [&promise](std::vector<CatalogueCard> &&cards) {
        promise.addResult(ListingPart{std::make_shared<std::vector<CatalogueCard>>(std::move(cards)), nullptr});
        return !promise.isCanceled();
    });
    promise.addResult(ListingPart{nullptr, std::make_shared<FolderListing>(std::move(listing))});
}

// The rows whose card shares its title and year with another's, each group
// together where its first card stands in the order.
std::vector<int> GroupDuplicates(const std::vector<int> &rows, const CardStore &cards)
{
    QHash<QString, std::vector<int>> groups;
    QStringList firstSeen;
    for (int index : rows) {
        const QString key = DuplicateKey(cards[index]);
        if (key.isEmpty())
            continue;
        std::vector<int> &group = groups[key];
        if (group.empty())
            firstSeen << key;
        group.push_back(index);
    }
    std::vector<int> grouped;
    for (const QString &key : std::as_const(firstSeen))
        if (const std::vector<int> &group = groups[key]; group.size() > 1)
            grouped.insert(grouped.end(), group.begin(), group.end());
    return grouped;
}

} // namespace

CatalogueModel::CatalogueModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_thumbnails(new Thumbnails(kThumbnailBound, kThumbnailsKept, this))
    , m_wallPosters(new Thumbnails(kWallPosterBound, kThumbnailsKept, this))
{
    for (Thumbnails *posters : {m_thumbnails, m_wallPosters})
        connect(posters, &Thumbnails::loaded, this, [this](const QString &path) {
            if (const int row = rowOf(path); row >= 0)
                emit dataChanged(index(row, int(CatalogueColumn::Affiche)), index(row, int(CatalogueColumn::Titre)),
                                 {Qt::DecorationRole, kWallPosterRole, Qt::AccessibleTextRole});
        });
    // The listing thread and a reader for each core.
    m_readers.setMaxThreadCount(QThread::idealThreadCount() + 1);
    m_takeNextPart.setSingleShot(true);
    m_takeNextPart.setInterval(0);
    connect(&m_listing, &QFutureWatcher<ListingPart>::resultsReadyAt, &m_takeNextPart, qOverload<>(&QTimer::start));
    connect(&m_takeNextPart, &QTimer::timeout, this, &CatalogueModel::takeNextPart);
    // A program ending with its catalogue still open, by a signal for one.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &CatalogueModel::stopListing);
}

CatalogueModel::~CatalogueModel()
{
    stopListing();
}

void CatalogueModel::stopListing()
{
    // The listing holds copies only: it stops at its next batch.
    m_listing.cancel();
    m_readers.waitForDone();
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
    if (role == kWallPosterRole)
        return card.readable ? m_wallPosters->thumbnail(card.path) : QImage();
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
    m_sortColumn = CatalogueColumn(column);
    m_sortOrder = order;
    SortCards(m_order, m_cards, m_sortColumn, m_sortOrder);
    showRows(filtered());
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
    // Their paths, dates and sizes only: copying a hundred thousand cards
    // would hold the interface up.
    std::vector<KnownCard> known;
    const auto add = [&known, &folders](const CatalogueCard &card) {
        if (LiesUnder(card.path, folders))
            known.push_back({card.path, card.modified, card.size, card.settled});
    };
    std::for_each(m_cards.begin(), m_cards.end(), add);
    std::for_each(m_unsettled.begin(), m_unsettled.end(), add);
    m_listingRuns = true;
    m_nextPart = 0;
    m_listing.setFuture(QtConcurrent::run(&m_readers, ListInParts, folders, std::move(known), &m_readers));
}

void CatalogueModel::takeNextPart()
{
    // One part a turn of the event loop, so that parts that came together
    // never hold the interface up together.
    if (m_nextPart >= m_listing.future().resultCount())
        return;
    const ListingPart part = m_listing.resultAt(m_nextPart++);
    if (part.cards) {
        takeBatch(std::move(*part.cards));
        m_takeNextPart.start();
        return;
    }
    endListing(std::move(*part.end));
    m_listingRuns = false;
    if (!m_waitingFolders.isEmpty())
        startListing();
}

void CatalogueModel::takeBatch(std::vector<CatalogueCard> cards)
{
    std::vector<int> taken;
    taken.reserve(cards.size());
    std::vector<int> replaced;
    for (CatalogueCard &card : cards) {
        int index = m_indexOf.value(card.path, -1);
        if (index >= 0) {
            m_thumbnails->forget(card.path);
            m_wallPosters->forget(card.path);
            m_cards[index] = std::move(card);
            replaced.push_back(index);
        } else {
            index = int(m_cards.size());
            m_indexOf.insert(card.path, index);
            m_cards.push_back(std::move(card));
            m_rowOfCard.push_back(-1);
        }
        taken.push_back(index);
    }
    // The cards taken are sorted on their own, then merged into the order.
    if (!replaced.empty()) {
        std::vector<char> isReplaced(m_cards.size(), 0);
        for (int index : replaced)
            isReplaced[index] = 1;
        std::erase_if(m_order, [&isReplaced](int index) { return isReplaced[index]; });
    }
    CardOrder before(m_cards, m_sortColumn, m_sortOrder);
    before.prepare(taken);
    std::sort(taken.begin(), taken.end(), before);
    MergeRows(m_order, taken, before);
    showRows(filtered());
    for (int index : replaced)
        if (const int row = m_rowOfCard[index]; row >= 0)
            emit dataChanged(this->index(row, 0), this->index(row, kCatalogueColumnCount - 1));
}

void CatalogueModel::endListing(FolderListing listing)
{
    std::erase_if(m_unsettled, [&listing](const CatalogueCard &card) { return LiesUnder(card.path, listing.roots); });
    m_unsettled.insert(m_unsettled.end(), listing.unsettled.begin(), listing.unsettled.end());

    std::vector<char> gone(m_cards.size(), 0);
    bool anyGone = false;
    for (const QString &path : std::as_const(listing.gone))
        if (const int index = m_indexOf.value(path, -1); index >= 0) {
            gone[index] = 1;
            anyGone = true;
        }
    if (anyGone) {
        std::erase_if(m_order, [&gone](int index) { return gone[index]; });
        showRows(filtered());
        // No row shows a card that goes: the cards close up, and the rows
        // are numbered again.
        std::vector<int> newIndex(m_cards.size(), -1);
        int kept = 0;
        for (size_t i = 0; i < m_cards.size(); ++i)
            if (!gone[i]) {
                newIndex[i] = kept;
                if (int(i) != kept)
                    m_cards[kept] = std::move(m_cards[i]);
                ++kept;
            }
        m_cards.resize(kept);
        for (int &index : m_order)
            index = newIndex[index];
        for (int &index : m_rows)
            index = newIndex[index];
        m_rowOfCard.assign(m_cards.size(), -1);
        for (size_t row = 0; row < m_rows.size(); ++row)
            m_rowOfCard[m_rows[row]] = int(row);
        m_indexOf.clear();
        for (int i = 0; i < kept; ++i)
            m_indexOf.insert(m_cards[i].path, i);
    }
    m_listedOnce = true;
    emit relisted(listing);
    emit countChanged();
}

void CatalogueModel::setSearch(const QString &typed)
{
    CatalogueSearch search(typed);
    m_narrowed = search.narrows(m_search);
    m_search = std::move(search);
    ++m_searchNumber;
    showRows(filtered());
}

void CatalogueModel::setDuplicatesOnly(bool only)
{
    m_duplicatesOnly = only;
    showRows(filtered());
}

std::vector<int> CatalogueModel::filtered()
{
    // The cards the search has not seen are searched on every core; after a
    // narrower search, those the last one left out stay out unseen. The
    // cards are gone through as they lie in memory, not in the order: a
    // hundred thousand cards do not fit in the processor's caches.
    std::vector<int> unseen;
    std::vector<char> matches(m_cards.size(), 0);
    for (size_t index = 0; index < m_cards.size(); ++index) {
        TableKeys &keys = m_cards[index].keys;
        if (keys.search != m_searchNumber && m_narrowed && keys.search == m_searchNumber - 1 && !keys.matches)
            keys.search = m_searchNumber;
        if (keys.search == m_searchNumber)
            matches[index] = keys.matches;
        else
            unseen.push_back(int(index));
    }
    const auto search = [this, &matches](int index) {
        TableKeys &keys = m_cards[index].keys;
        keys.matches = m_search.matches(m_cards[index]);
        keys.search = m_searchNumber;
        matches[index] = keys.matches;
    };
    // In slices of cards, one a task: a task a card would cost more than its
    // search. A listing's batch is one slice, searched here at once rather
    // than handed to threads busy reading.
    std::vector<std::span<const int>> slices;
    for (size_t first = 0; first < unseen.size(); first += kSearchSlice)
        slices.push_back(std::span<const int>(unseen).subspan(first, std::min(kSearchSlice, unseen.size() - first)));
    if (slices.size() == 1)
        std::for_each(slices.front().begin(), slices.front().end(), search);
    else
        QtConcurrent::blockingMap(
            slices, [&search](std::span<const int> slice) { std::for_each(slice.begin(), slice.end(), search); });
    std::vector<int> rows;
    rows.reserve(m_order.size());
    for (int index : m_order)
        if (matches[index])
            rows.push_back(index);
    return m_duplicatesOnly ? GroupDuplicates(rows, m_cards) : rows;
}

void CatalogueModel::showRows(std::vector<int> rows)
{
    std::vector<char> shown(m_cards.size(), 0);
    for (int index : rows)
        shown[index] = 1;
    std::vector<int> staying;
    std::vector<int> leaving;
    for (int index : m_rows)
        (shown[index] ? staying : leaving).push_back(index);
    if (!leaving.empty()) {
        const int first = int(staying.size());
        staying.insert(staying.end(), leaving.begin(), leaving.end());
        reorderRows(std::move(staying));
        beginRemoveRows({}, first, int(m_rows.size()) - 1);
        for (int index : leaving)
            m_rowOfCard[index] = -1;
        m_rows.resize(first);
        endRemoveRows();
    }
    std::vector<int> coming;
    for (int index : rows)
        if (m_rowOfCard[index] < 0)
            coming.push_back(index);
    if (!coming.empty()) {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + coming.size()) - 1);
        for (int index : coming) {
            m_rowOfCard[index] = int(m_rows.size());
            m_rows.push_back(index);
        }
        endInsertRows();
    }
    if (rows != m_rows)
        reorderRows(std::move(rows));
    emit countChanged();
}

void CatalogueModel::reorderRows(std::vector<int> rows)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> cards;
    cards.reserve(before.size());
    for (const QModelIndex &index : before)
        cards.push_back(m_rows[index.row()]);
    m_rows = std::move(rows);
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rowOfCard[m_rows[row]] = int(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(m_rowOfCard[cards[i]], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CatalogueModel::rowOf(const QString &path) const
{
    const int index = m_indexOf.value(path, -1);
    return index < 0 ? -1 : m_rowOfCard[index];
}

std::vector<CatalogueCard> CatalogueModel::shownCards() const
{
    std::vector<CatalogueCard> shown;
    shown.reserve(m_rows.size());
    for (int index : m_rows)
        shown.push_back(m_cards[index]);
    return shown;
}
