#include "viewer/LoadViewer.h"

#include "card/CardReader.h"
#include "platform/Desktop.h"
#include "platform/PosterGeometry.h"
#include "viewer/ViewerText.h"
#include "viewer/frmInfos.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace {

// The one viewer window of the program, made when first needed.
QPointer<frmInfos> viewer;

} // namespace

bool LoadViewer(const QString &cardPath)
{
    const CardReadResult card = ReadCardFile(cardPath);
    if (!card.ok()) {
        // A card shown earlier is not left standing for the one asked for.
        if (viewer)
            viewer->hide();
        ShowMessage(nullptr, card.status.errorString, MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }

    PosterPicture poster = PosterPicture::fromBytes(card.poster);
    // Decoded on another core while the window is built and laid out.
    const QScreen *screen = QGuiApplication::primaryScreen();
    poster.decodeAhead(ShownPosterSize(poster.size()) * (screen ? screen->devicePixelRatio() : 1.0));
    if (!viewer)
        viewer = new frmInfos;
    viewer->fill(FillViewerLabels(card.record));
    viewer->PositionsLoad(poster);
    viewer->setCard(card.record, cardPath);
    viewer->setVideoFile(FindVideoFile(cardPath));
    viewer->showViewer();
    return true;
}
