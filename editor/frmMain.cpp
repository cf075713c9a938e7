#include "editor/frmMain.h"

#include "editor/ActorsList.h"
#include "editor/NumericFields.h"
#include "editor/SummaryBox.h"
#include "platform/Centre.h"
#include "platform/Desktop.h"
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
    trackChanges();
    connectCommands();
    acceptFileDrops();
    makeAccessible();
    fixSizeAndCentre();
}

void frmMain::ChangeEdit(bool Modified)
{
    m_document.setModified(Modified);
    mnuFileSave->setEnabled(Modified);
    // A card without a file is saved with Save, which asks for the path.
    mnuFileSaveAs->setEnabled(Modified && !m_document.isNew());
    // Qt reads "[*]" in a title as its modified mark; doubled, it shows as is.
    QString name = m_document.name();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1 [%2%3]")
                       .arg(QString::fromLatin1(kAppTitle), name, Modified ? QStringLiteral("*") : QString()));
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

void frmMain::trackChanges()
{
    const auto modified = [this] { ChangeEdit(true); };
    for (QLineEdit *box : {txtTitre, txtType, txtRealisateur})
        connect(box, &QLineEdit::textChanged, this, modified);
    connect(txtResume, &SummaryBox::textChanged, this, modified);
    connect(m_actors, &ActorsList::edited, this, modified);
    connect(new NumericFields(this, txtAnnee, txtDuree1, txtDuree2), &NumericFields::edited, this, modified);
    // Opening, saving and starting anew leave the card unmodified under its
    // name; Reset puts back the poster of the card's own file, which a new
    // card has not.
    connect(&m_document, &CardDocument::fileChanged, this, [this] {
        mnuPopReset->setEnabled(!m_document.isNew());
        ChangeEdit(m_document.isModified());
    });
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
