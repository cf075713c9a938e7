#include "editor/frmMain.h"

#include "platform/Twips.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace {

// The poster's column of the window, in twips: the frame "Affiche" and the image.
constexpr int kPosterColumnLeft = 4080;

bool HasCardExtension(const QString &path)
{
    return path.endsWith(QStringLiteral(".fsc"), Qt::CaseInsensitive);
}

} // namespace

void frmMain::acceptFileDrops()
{
    setAcceptDrops(true);
    // Text boxes take drops of their own; a file dropped on one is the window's.
    for (QWidget *child : findChildren<QWidget *>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

QString frmMain::droppedFile(const QDropEvent &event, QPoint at) const
{
    const QList<QUrl> urls = event.mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    if (!QFileInfo(path).isFile())
        return {};
    if (HasCardExtension(path) || at.x() >= TwipsToPixels(kPosterColumnLeft))
        return path;
    return {};
}

bool frmMain::fileDragEvent(QObject *over, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasUrls())
        return false; // text dragged into a text box stays the box's
    auto *widget = qobject_cast<QWidget *>(over);
    if (!widget)
        return false;
    const QPoint at = centralWidget()->mapFromGlobal(widget->mapToGlobal(drop->position().toPoint()));
    const QString path = droppedFile(*drop, at);
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        if (HasCardExtension(path))
            openDropped(path);
        else
            takePoster(path);
    }
    return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    fileDragEvent(this, event);
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    fileDragEvent(this, event);
}

void frmMain::dropEvent(QDropEvent *event)
{
    fileDragEvent(this, event);
}
