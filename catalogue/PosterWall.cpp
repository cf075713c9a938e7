#include "catalogue/PosterWall.h"

#include "catalogue/CatalogueModel.h"
#include "catalogue/Thumbnails.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr QSize kPosterArea{120, 180};
constexpr int kTitleLines = 2;
constexpr int kMargin = 6;

// Draws the poster centred in its area, the title beneath on two lines at
// most, and the choice as the style draws it.
class WallCell : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {kPosterArea.width() + 2 * kMargin,
                kPosterArea.height() + kTitleLines * option.fontMetrics.lineSpacing() + 3 * kMargin};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.text.clear();
        cell.icon = {};
        // The style draws the choice behind a text or an icon only: here
        // the whole cell shows it.
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect, option.palette.highlight());
        if (const QStyle *style = cell.widget ? cell.widget->style() : nullptr)
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const QRect area(option.rect.left() + (option.rect.width() - kPosterArea.width()) / 2,
                         option.rect.top() + kMargin, kPosterArea.width(), kPosterArea.height());
        const QImage poster = index.data(kWallPosterRole).value<QImage>();
        if (!poster.isNull()) {
            QRect shown(QPoint(), poster.size().scaled(area.size(), Qt::KeepAspectRatio));
            shown.moveCenter(area.center());
            painter->drawImage(shown, poster);
        } else {
            painter->fillRect(area.adjusted(10, 10, -10, -10), option.palette.midlight());
        }
        const QRect titleBox(option.rect.left() + kMargin, area.bottom() + kMargin, option.rect.width() - 2 * kMargin,
                             kTitleLines * option.fontMetrics.lineSpacing());
        const QString title = index.data().toString();
        painter->setPen(
            option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                          option.fontMetrics.elidedText(title, Qt::ElideRight, titleBox.width() * kTitleLines));
    }
};

} // namespace

PosterWall::PosterWall(CatalogueModel *model, QWidget *parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("lstAffiches"));
    setAccessibleName(QStringLiteral("Affiches"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWrapping(true);
    setSpacing(4);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new WallCell(this));
    setModel(model);
    // The column the table's current card is on, so that the two share it.
    setModelColumn(int(CatalogueColumn::Titre));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, model->wallPosters(), &Thumbnails::dropQueued);
}

void PosterWall::resizeEvent(QResizeEvent *event)
{
    m_bringCurrentBack = m_bringCurrentBack || event->size().width() != event->oldSize().width();
    QListView::resizeEvent(event);
}

void PosterWall::doItemsLayout()
{
    QListView::doItemsLayout();
    if (std::exchange(m_bringCurrentBack, false) && currentIndex().isValid())
        scrollTo(currentIndex());
}
