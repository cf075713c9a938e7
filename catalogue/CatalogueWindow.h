#pragma once

#include <QMainWindow>

#include <memory>

class CatalogueModel;
class PrintJob;
class DetailsPane;
class PosterWall;
class QDockWidget;
class QStackedWidget;
class QAction;
class QLabel;
class QLineEdit;
class QTableView;

// The catalogue of a folder: its cards in a table that sorts by any column,
// a search field that keeps the rows holding every word typed, the count of
// the rows shown, and the commands that open a card or export the rows.
// The table follows the folder as cards come, change and go. The cards are
// listed once the window is on screen.
class CatalogueWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CatalogueWindow(const QString &folder, QWidget *parent = nullptr);
    ~CatalogueWindow() override;

    QLineEdit *txtRechercher = nullptr;
    QTableView *tblFiches = nullptr;
    QLabel *lblCompte = nullptr;
    QAction *mnuAfficher = nullptr;
    QAction *mnuModifier = nullptr;
    QAction *mnuModifierChoisies = nullptr;
    QAction *mnuExporter = nullptr;
    QAction *mnuImporter = nullptr;
    QAction *mnuImprimer = nullptr;
    QAction *mnuImprimerChoisies = nullptr;
    QAction *mnuFermer = nullptr;
    QAction *mnuDoublons = nullptr;
    QAction *mnuDetails = nullptr;
    QAction *mnuListe = nullptr;
    QAction *mnuAffiches = nullptr;
    // The wall of posters, made when first shown.
    PosterWall *lstAffiches = nullptr;
    DetailsPane *panDetails = nullptr;
    CatalogueModel *model = nullptr;

    // The card of the current row, when there is one and it is readable now;
    // a damaged card is reported and gives an empty text.
    QString currentCardPath();

protected:
    bool event(QEvent *event) override;

signals:
    // "Modifier": the card is to be opened in the editor.
    void editRequested(const QString &cardPath);

private:
    void createControls();
    void createMenus();
    void showCard();
    void editCard();
    void correctChosenCards();
    void exportRows();
    std::unique_ptr<PrintJob> listJob() const;
    void printChosenCards();
    void updateCount();
    void showDetails();
    void showWall(bool wall);

    QString m_folder;
    QStackedWidget *m_views = nullptr;
    QDockWidget *m_details = nullptr;
    bool m_listingStarted = false;
};
