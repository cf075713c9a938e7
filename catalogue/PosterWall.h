#pragma once

#include <QListView>

class CatalogueModel;

// The catalogue's rows as a wall of posters, each about 120 pixels wide with
// its title beneath, in the rows' order. Every cell has the same size, so
// that only the cells in view ask for their poster.
class PosterWall : public QListView
{
    Q_OBJECT

public:
    explicit PosterWall(CatalogueModel *model, QWidget *parent = nullptr);

    void doItemsLayout() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The wall changed width: once its cells flow again, the current one is
    // brought back into view (the Détails pane opening narrows the wall).
    bool m_bringCurrentBack = false;
};
