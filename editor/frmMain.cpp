#include "editor/frmMain.h"

#include "editor/ActorsList.h"
#include "editor/NumericFields.h"
#include "editor/SummaryBox.h"
#include "platform/Centre.h"
#include "platform/Desktop.h"
#include "platform/KeyboardAccess.h"
#include "platform/Twips.h"
#include "resources/Resources.h"

#include <QLayout>
#include <QLineEdit>

namespace {

constexpr int kClientWidthTwips = 6300;
constexpr int kClientHeightTwips = 3735;

} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setWindowIcon(AppIcon());
    // A fixed frame with minimize and close boxes, no maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    createControls();
    createMenus();
    m_actors = new ActorsList(cboActeurs, cmdActSupp);
    m_numbers = new NumericFields(this, txtAnnee, txtDuree1, txtDuree2);
    trackChanges();
    connectCommands();
    acceptFileDrops();
    makeAccessible();
    GiveShortcutsPrecedence(this);
    fixSizeAndCentre();
    ChangeEdit(false);
}

void frmMain::ChangeEdit(bool Modified)
{
    mnuFileSave->setEnabled(Modified);
    // A card without a file is saved with Save, which asks for the path.
    mnuFileSaveAs->setEnabled(Modified && !m_document.isNew());
    // Qt shows "[*]" as the modified mark; doubled, it shows as is.
    QString name = m_document.name();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1 [%2[*]]").arg(QString::fromLatin1(kAppTitle), name));
    setWindowModified(Modified);
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // The frame enters the outer height only once the window system has
    // mapped the window.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        applyOuterHeight();
    return handled;
}

void frmMain::fixSizeAndCentre()
{
    // The client area is the central widget; the window follows its size, so
    // the poster routines change the height through the central widget.
    centralWidget()->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    CentreOnScreen(this, size(), ScreenArea::Available);
}
