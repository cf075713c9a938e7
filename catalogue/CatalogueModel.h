#pragma once

#include "catalogue/CatalogueCard.h"
#include "catalogue/CatalogueFolder.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/CatalogueSort.h"

#include <QAbstractTableModel>
#include <QFutureWatcher>
#include <QHash>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <vector>

class Thumbnails;

// The poster as the wall shows it, larger than the table's.
inline constexpr int kWallPosterRole = Qt::UserRole + 1;

// What a listing hands over as it goes: a batch of cards read, then, last,
// what it found. Shared pointers, so that the cards are moved out of the
// future's store rather than copied and kept there.
struct ListingPart
{
    std::shared_ptr<std::vector<CatalogueCard>> cards;
    std::shared_ptr<FolderListing> end;
};

// The catalogue's table: every card of the folder, of which the rows are
// those the search keeps, in the chosen order. Changes move, insert and
// remove rows, so that the views keep the current card and the choice.
class CatalogueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CatalogueModel(QObject *parent = nullptr);
    ~CatalogueModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Lists the folders, subfolders included, off the interface thread; the
    // cards read come in batches as they are read, and those known there
    // that are gone leave at the end. One listing runs at a time and
    // folders that change meanwhile wait for it, so that an older listing
    // never lands after a newer one.
    void relistFolders(const QStringList &folders);
    void setSearch(const QString &typed);
    // Keeps only the cards that share their title and year with another.
    void setDuplicatesOnly(bool only);

    // True until the first listing has ended.
    bool isListing() const { return !m_listedOnce; }
    int totalCount() const { return int(m_cards.size()); }
    const CatalogueCard &cardAt(int row) const { return m_cards[m_rows[row]]; }
    int rowOf(const QString &path) const;
    // The rows shown, in their order.
    std::vector<CatalogueCard> shownCards() const;

    Thumbnails *thumbnails() const { return m_thumbnails; }
    Thumbnails *wallPosters() const { return m_wallPosters; }

signals:
    // A listing ended, with what it found.
    void relisted(const FolderListing &listing);
    // The rows shown or the cards counted changed.
    void countChanged();

private:
    // Stops the listing and waits for its threads: they must not outlive
    // the model, nor the program's end.
    void stopListing();
    void startListing();
    void takeNextPart();
    void takeBatch(std::vector<CatalogueCard> cards);
    void endListing(FolderListing listing);
    // The cards in the order, less those the search or the duplicates leave
    // out.
    std::vector<int> filtered();
    // Brings the rows to these: rows leaving are moved to the end and
    // removed, rows coming are added at the end, then all are put in order.
    void showRows(std::vector<int> rows);
    void reorderRows(std::vector<int> rows);

    CardStore m_cards;
    std::vector<int> m_order;      // every card, as sorted
    std::vector<int> m_rows;       // the cards shown, as sorted
    std::vector<int> m_rowOfCard;  // each card's row, -1 when not shown
    QHash<QString, int> m_indexOf; // each card's index, by path
    std::vector<CatalogueCard> m_unsettled;
    CatalogueSearch m_search;
    int m_searchNumber = 1;  // counts the searches, for the cards' keys
    bool m_narrowed = false; // the search narrows the one before
    CatalogueColumn m_sortColumn = CatalogueColumn::Titre;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_duplicatesOnly = false;
    Thumbnails *m_thumbnails;
    Thumbnails *m_wallPosters;
    QFutureWatcher<ListingPart> m_listing;
    int m_nextPart = 0; // the listing's next part to take
    QTimer m_takeNextPart;
    bool m_listingRuns = false;
    bool m_listedOnce = false;
    QStringList m_waitingFolders;
    // The listing's own threads, so that the search and the other work
    // aside never wait behind its reads; last, so that the listing has
    // stopped before the rest goes.
    QThreadPool m_readers;
};
