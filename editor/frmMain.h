#pragma once

#include "card/CardRecord.h"
#include "editor/CardDocument.h"
#include "poster/PosterPicture.h"

#include <QMainWindow>
#include <QString>

class ActorsList;
class NumericFields;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
struct IoStatus;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class SummaryBox;

// The editor: one card at a time. The window wires its controls to the card
// document, which holds where the card lives and its poster, and to the card
// library. Controls and menus are reachable by name, as a user reaches them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

    // Shows the picture as the poster and sizes the window around it; a null
    // picture shows none. False when the picture cannot be shown.
    bool Pic2Img(const PosterPicture &picture);

    // The document commands of the "Fichier" menu.
    void newCard();
    void open();
    // Opens the card file as Open does once its dialog has answered; false,
    // after saying why, when it cannot be read.
    bool openFile(const QString &path);
    // Open without its dialog: the save question, then the card file.
    void openDropped(const QString &path);
    // True when the card was written.
    bool save();
    void saveAs();
    void preview();
    // Fills the card from a film found online, through the document.
    void searchOnline();
    void print();
    void exportPdf();

    // The poster commands.
    void choosePoster();
    // Takes the picture file as the poster, as if chosen in the dialog;
    // "Image incorrecte" and false when it is no usable picture.
    bool takePoster(const QString &path);
    void removePoster();
    void RestorePoster();
    void viewFullSize();

    CardDocument &document() { return m_document; }

signals:
    // "Catalogue...": whoever shows catalogues asks for the folder.
    void catalogueRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Controls; each one's objectName is its member's name.
    QLabel *lblTitre = nullptr;
    QLineEdit *txtTitre = nullptr;
    QLabel *lblAnnee = nullptr;
    QLineEdit *txtAnnee = nullptr;
    QLabel *lblDuree1 = nullptr;
    QLineEdit *txtDuree1 = nullptr;
    QLabel *lblDuree2 = nullptr;
    QLineEdit *txtDuree2 = nullptr;
    QLabel *lblType = nullptr;
    QLineEdit *txtType = nullptr;
    QLabel *lblRealisateur = nullptr;
    QLineEdit *txtRealisateur = nullptr;
    QLabel *lblActeurs = nullptr;
    QComboBox *cboActeurs = nullptr;
    QPushButton *cmdActSupp = nullptr;
    QLabel *lblResume = nullptr;
    SummaryBox *txtResume = nullptr;
    QGroupBox *fraAffiche = nullptr;
    QPushButton *cmdAffiMod = nullptr;
    QPushButton *cmdAffiSupp = nullptr;
    QLabel *imgAffiche = nullptr; // hidden until a poster is shown
    QLabel *picAffiche = nullptr; // hidden; the poster itself is kept encoded, below

    // Menus.
    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileSep1 = nullptr;
    QAction *mnuFilePrev = nullptr;
    QAction *mnuFileOnline = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFilePdf = nullptr;
    QAction *mnuFileCatalogue = nullptr;
    QAction *mnuFileSep2 = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuPopAffi = nullptr;
    QAction *mnuPopFull = nullptr;
    QAction *mnuSep3 = nullptr;
    QAction *mnuPopModif = nullptr;
    QAction *mnuPopRem = nullptr;
    QAction *mnuPopReset = nullptr;
    QAction *mnuAbout = nullptr;

    void acceptFileDrops();
    // A file dragged over a control: the window takes it; true when handled.
    bool fileDragEvent(QObject *over, QEvent *event);
    // The one local file a drag carries, when the window takes it at this
    // place (in the client area): a card anywhere, a picture on the poster.
    QString droppedFile(const QDropEvent &event, QPoint at) const;
    void connectCommands();
    void applyOuterHeight();

    // The document's texts and poster in the controls.
    void showDocument();
    // The modified state in the title bar and the Save menu items.
    void ChangeEdit(bool Modified);
    // New and Open first offer to save unsaved changes; false when the
    // command goes no further.
    bool saveQuestion(const QString &question);
    // Save, Save As and Preview need a title.
    bool titleCheck();
    // After a write: the user is told why nothing was written. True when
    // written.
    bool concludeWrite(const IoStatus &status);
    bool overwriteCheck();

    CardDocument m_document;
    ActorsList *m_actors = nullptr; // the behaviour of cboActeurs and cmdActSupp
    NumericFields *m_numbers = nullptr;
    bool m_showing = false; // the controls show the document, not an edit
    // The poster shown in large: the one on screen, or the one just removed.
    PosterPicture m_fullSizePoster;
    int m_outerHeight = 0; // twips, frame, title and menu bars included; 0 until a poster routine sets it

    void createControls();
    void createMenus();
    // Names and keys for screen readers and keyboard users.
    void makeAccessible();
    void trackChanges();
    void fixSizeAndCentre();
};
