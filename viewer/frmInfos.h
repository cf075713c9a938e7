#pragma once

#include "card/CardRecord.h"
#include "poster/PosterPicture.h"
#include "viewer/ViewerLayout.h"
#include "viewer/ViewerText.h"

#include <QDialog>
#include <QSize>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// The read-only window that shows one card, laid out around its texts and
// poster, with "&Lecture" to play the film and "OK" to close.
class frmInfos : public QDialog
{
    Q_OBJECT

public:
    frmInfos();

    // Puts the window back to its starting layout and sets the card's captions.
    void fill(const ViewerCaptions &captions);
    // Takes the poster (null for none), lays the window out around it and
    // sizes the window.
    void PositionsLoad(const PosterPicture &poster);
    // The card shown, which "Imprimer..." and "Exporter en PDF..." print.
    void setCard(const CardRecord &record, const QString &path);
    // The video to play, or an empty text to disable "&Lecture".
    void setVideoFile(const QString &videoFile);
    // Shows the window modeless, centred on the screen when it was hidden.
    void showViewer();

    QString strVideoFile;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *label(ViewerLabel which) const { return m_labels[int(which)]; }
    void applyGeometry(const ViewerGeometry &g);
    void fitOuterSize();
    void measureFrame();
    void showFullSize();
    void play();
    void print();
    void exportPdf();

    std::array<QLabel *, kViewerLabelCount> m_labels{};
    QLabel *m_lblTitre;
    QLabel *m_imgAffiche;
    QLabel *m_picAffiche; // the natural size's place; the picture is kept encoded
    PosterPicture m_poster;
    CardRecord m_record;
    QString m_cardPath;
    QFrame *m_lnRealWorld;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdPlay;
    TwipsSize m_outer;   // the computed outer size
    QSize m_frame{0, 0}; // frame and title bar as the window system reports them
};
