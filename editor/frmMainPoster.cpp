#include "editor/frmMain.h"

#include "app/FileDialogs.h"
#include "app/PictureLoader.h"
#include "app/PosterName.h"
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
    QPixmap poster;
    if (!path.isEmpty()) {
        const QImage picture = LoadPicture(path);
        if (picture.isNull())
            return false;
        const std::optional<qint16> height =
            ScaledPosterHeight({float(PixelsToTwips(picture.width())), float(PixelsToTwips(picture.height()))});
        if (!height)
            return false;
        posterHeight = *height;
        poster = QPixmap::fromImage(picture);
    }
    const std::optional<qint16> outerHeight = EditorOuterHeight(posterHeight);
    if (!outerHeight)
        return false;

    picAffiche->setPixmap(poster);
    const QRect place = TwipsRect(kPosterLeft, kPosterTop, kPosterWidth, posterHeight);
    imgAffiche->setGeometry(place);
    // Scaled once here, not at every paint.
    imgAffiche->setPixmap(poster.isNull() ? QPixmap()
                                          : poster.scaled(place.size(), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation));
    imgAffiche->setVisible(!poster.isNull());
    imgAffiche->setAccessibleName(PosterAccessibleName(!poster.isNull()));
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
    const QPixmap shown = picAffiche->pixmap();
    Pic2Img(QString());
    picAffiche->setPixmap(shown);
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
    if (!picAffiche->pixmap().isNull())
        View(this, picAffiche->pixmap());
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
