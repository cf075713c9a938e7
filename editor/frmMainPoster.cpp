#include "editor/frmMain.h"

#include "app/FileDialogs.h"
#include "app/PosterName.h"
#include "app/PosterPicture.h"
#include "app/Twips.h"
#include "app/WorkFolder.h"
#include "editor/PosterGeometry.h"
#include "fullsize/frmViewLarger.h"
#include "viewer/ViewerLayout.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

bool frmMain::Pic2Img(const QString &path)
{
    qint16 posterHeight = 0;
    PosterPicture picture;
    if (!path.isEmpty()) {
        // The header gives the layout; the picture is decoded once, at the
        // size it is shown.
        picture = PosterPicture::fromFile(path);
        if (picture.isNull())
            return false;
        const QSize natural = picture.size();
        const std::optional<qint16> height =
            ScaledPosterHeight({float(PixelsToTwips(natural.width())), float(PixelsToTwips(natural.height()))});
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
    ApplyOuterHeight();
    return true;
}

void frmMain::ApplyOuterHeight()
{
    if (m_outerHeight == 0)
        return;
    // The window system adds its frame and title bar, Qt the menu bar.
    const int chrome = frameGeometry().height() - geometry().height() + menuBar()->sizeHint().height();
    centralWidget()->setFixedHeight(TwipsToPixels(m_outerHeight) - chrome);
}

void frmMain::ChoosePoster()
{
    for (;;) {
        const QString path = ShowFileDialog(this, QStringLiteral("Affiche du film"), PictureFilters(),
                                            SpecialFolder::Pictures, FileChoice::Existing);
        if (path.isEmpty() || TakePoster(path))
            return;
    }
}

bool frmMain::TakePoster(const QString &path)
{
    if (!Pic2Img(path)) {
        ShowMessage(this, QStringLiteral("Image incorrecte"), MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    ChangeEdit(true);
    if (lblFileName != QLatin1String(kNewCardName))
        blnAffiMod = true;
    lblAffiche = path;
    return true;
}

void frmMain::RemovePoster()
{
    // "Afficher en grand" still shows the removed picture until another one
    // is chosen.
    const PosterPicture shown = m_fullSizePoster;
    Pic2Img(QString());
    m_fullSizePoster = shown;
    lblAffiche.clear();
    if (lblFileName != QLatin1String(kNewCardName))
        blnAffiMod = true;
    ChangeEdit(true);
}

void frmMain::RestorePoster()
{
    // A card without a reset copy has no poster to put back.
    const QString copy = lblReset.isEmpty() ? QString() : WorkFile(lblReset, kPosterFileName);
    if (!FileExists(copy))
        return;
    Pic2Img(copy);
    lblAffiche = copy;
    ChangeEdit(true);
    blnAffiMod = !blnAffiMod;
}

void frmMain::ViewFullSize()
{
    if (!m_fullSizePoster.isNull())
        View(this, QPixmap::fromImage(m_fullSizePoster.decodedWhole()));
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (FileDragEvent(watched, event))
        return true;
    if (watched == imgAffiche) {
        if (event->type() == QEvent::MouseButtonPress)
            imgAffiche->setProperty("Tag", QStringLiteral("True"));
        else if (event->type() == QEvent::MouseButtonRelease)
            PosterMouseUp(*static_cast<QMouseEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::PosterMouseUp(const QMouseEvent &event)
{
    if (imgAffiche->property("Tag").toString() != QStringLiteral("True"))
        return;
    imgAffiche->setProperty("Tag", QStringLiteral("False"));
    // A click acts on release, only where it began; the edges count.
    const QPointF at = event.position();
    if (at.x() < 0 || at.y() < 0 || at.x() > imgAffiche->width() || at.y() > imgAffiche->height())
        return;
    if (event.button() == Qt::RightButton) {
        mnuPopAffi->exec(event.globalPosition().toPoint());
    } else if (event.button() == Qt::LeftButton) {
        ViewFullSize();
    }
}
