#include "editor/frmMain.h"

#include "editor/EditorPosterPlace.h"
#include "fullsize/frmViewLarger.h"
#include "platform/FileDialogs.h"
#include "platform/PosterName.h"
#include "platform/Twips.h"
#include "poster/PosterPicture.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

bool frmMain::Pic2Img(const PosterPicture &picture)
{
    // The header gives the layout; the picture is decoded once, at the size
    // it is shown.
    qint16 posterHeight = 0;
    if (!picture.isNull()) {
        const std::optional<qint16> height = ScaledPosterHeight(NaturalTwips(picture.size()));
        if (!height)
            return false;
        posterHeight = *height;
    }
    const std::optional<qint16> outerHeight = EditorOuterHeight(posterHeight);
    if (!outerHeight)
        return false;
    const QRect place = TwipsRect(kPosterLeft, kPosterTop, kPosterWidth, posterHeight);
    const QPixmap shown = picture.isNull() ? QPixmap() : picture.pixmapFor(place.size(), devicePixelRatioF());
    if (!picture.isNull() && shown.isNull())
        return false;

    m_fullSizePoster = picture;
    imgAffiche->setGeometry(place);
    imgAffiche->setPixmap(shown);
    imgAffiche->setVisible(!shown.isNull());
    imgAffiche->setAccessibleName(PosterAccessibleName(!shown.isNull()));
    m_outerHeight = *outerHeight;
    applyOuterHeight();
    return true;
}

void frmMain::applyOuterHeight()
{
    if (m_outerHeight == 0)
        return;
    // The window system adds its frame and title bar, Qt the menu bar.
    const int chrome = frameGeometry().height() - geometry().height() + menuBar()->sizeHint().height();
    centralWidget()->setFixedHeight(TwipsToPixels(m_outerHeight) - chrome);
}

void frmMain::choosePoster()
{
    for (;;) {
        const QString path = ShowFileDialog(this, QStringLiteral("Affiche du film"), PictureFilters(),
                                            SpecialFolder::Pictures, FileChoice::Existing);
        if (path.isEmpty() || takePoster(path))
            return;
    }
}

bool frmMain::takePoster(const QString &path)
{
    const PosterPicture picture = PosterPicture::fromFile(path);
    if (picture.isNull() || !Pic2Img(picture)) {
        ShowMessage(this, QStringLiteral("Image incorrecte"), MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    m_document.setPoster(picture.bytes());
    return true;
}

void frmMain::removePoster()
{
    // "Afficher en grand" still shows the removed picture until another one
    // is chosen.
    const PosterPicture shown = m_fullSizePoster;
    Pic2Img(PosterPicture());
    m_fullSizePoster = shown;
    m_document.setPoster({});
}

void frmMain::RestorePoster()
{
    // A card opened without a poster has none to put back.
    if (!m_document.restorePoster())
        return;
    Pic2Img(PosterPicture::fromBytes(m_document.poster()));
}

void frmMain::viewFullSize()
{
    if (!m_fullSizePoster.isNull())
        View(this, m_fullSizePoster);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    return fileDragEvent(watched, event) || QMainWindow::eventFilter(watched, event);
}
