#pragma once

#include "catalogue/CatalogueCard.h"
#include "catalogue/CatalogueFolder.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/CatalogueSort.h"

#include <QAbstractTableModel>
#include <QFutureWatcher>

#include <functional>
#include <vector>

class Thumbnails;

// The catalogue's table: every card of the folder, of which the rows are
// those the search keeps, in the chosen order.
class CatalogueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CatalogueModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setCards(std::vector<CatalogueCard> cards);
    // Lists the folders again, subfolders included, off the interface
    // thread, then puts the cards found in place of those known there.
    // One listing runs at a time and folders that change meanwhile wait for
    // it, so that an older listing never lands after a newer one.
    void relistFolders(const QStringList &folders);
    void setSearch(const QString &typed);

    int totalCount() const { return int(m_cards.size()); }
    const CatalogueCard &cardAt(int row) const { return m_cards[m_rows[row]]; }
    int rowOf(const QString &path) const;
    // Every card's path, shown or not.
    QStringList cardPaths() const;
    // The rows shown, in their order.
    std::vector<CatalogueCard> shownCards() const;

    Thumbnails *thumbnails() const { return m_thumbnails; }

signals:
    // A listing landed; `folders` are all those it found.
    void relisted(const QStringList &folders);

private:
    void startListing();
    void takeListing(FolderListing listing);
    // Makes the change, then works the rows out again; the view is told
    // before anything changes, so that it can keep its current card.
    void rebuildRows(const std::function<void()> &change);

    std::vector<CatalogueCard> m_cards;
    std::vector<int> m_rows; // indexes into m_cards
    CatalogueSearch m_search;
    int m_searchNumber = 1; // counts the searches, for the cards' keys
    CatalogueColumn m_sortColumn = CatalogueColumn::Titre;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    Thumbnails *m_thumbnails;
    // Its task, left running when the model goes, holds copies only.
    QFutureWatcher<FolderListing> m_listing;
    bool m_listingRuns = false;
    QStringList m_waitingFolders;
};
