#include "editor/frmMain.h"

#include "about/frmAbout.h"
#include "editor/ActorsList.h"
#include "editor/DocumentCommands.h"
#include "online/frmOnlineSearch.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "platform/MouseClick.h"
#include "print/PrintCommands.h"
#include "print/PrintJobs.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

const QString kOpenQuestion = QStringLiteral("Voulez-vous enregistrer la fiche actuelle ?");

void TellFailure(QWidget *editor, const QString &message)
{
    ShowMessage(editor, message, MessageButtons::Ok, MessageIcon::Critical);
}

} // namespace

bool frmMain::titleCheck()
{
    if (!txtTitre->text().isEmpty())
        return true;
    ShowMessage(this, QStringLiteral("Vous devez entrer le titre du film"));
    txtTitre->setFocus();
    return false;
}

bool frmMain::saveQuestion(const QString &question)
{
    if (!m_document.isModified())
        return true;
    switch (ShowMessage(this, question, MessageButtons::YesNoCancel, MessageIcon::Question, Answer::Yes)) {
    case Answer::Yes:
        save(); // and the command ends there
        return false;
    case Answer::No: return true;
    default: return false;
    }
}

bool frmMain::concludeWrite(const IoStatus &status)
{
    if (!status.ok())
        TellFailure(this, status.errorString);
    m_actors->clearSelection();
    return status.ok();
}

// A card changed by someone else since it was read is overwritten only when
// the user says so.
bool frmMain::overwriteCheck()
{
    if (!m_document.changedOnDisk())
        return true;
    return ShowMessage(this,
                       QStringLiteral("La fiche a été modifiée par ailleurs depuis son ouverture. "
                                      "L'enregistrer quand même ?"),
                       MessageButtons::YesNo, MessageIcon::Warning, Answer::No)
        == Answer::Yes;
}

void frmMain::connectCommands()
{
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::newCard);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::open);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::save);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::saveAs);
    connect(mnuFilePrev, &QAction::triggered, this, &frmMain::preview);
    connect(mnuFileOnline, &QAction::triggered, this, &frmMain::searchOnline);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::print);
    connect(mnuFilePdf, &QAction::triggered, this, &frmMain::exportPdf);
    connect(mnuFileCatalogue, &QAction::triggered, this, &frmMain::catalogueRequested);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::close);
    connect(mnuPopFull, &QAction::triggered, this, &frmMain::viewFullSize);
    mnuPopAffi->setDefaultAction(mnuPopFull); // shown in bold, in the bar and on the poster
    connect(mnuPopModif, &QAction::triggered, this, &frmMain::choosePoster);
    connect(mnuPopRem, &QAction::triggered, this, &frmMain::removePoster);
    connect(mnuPopReset, &QAction::triggered, this, &frmMain::RestorePoster);
    connect(cmdAffiMod, &QPushButton::clicked, this, &frmMain::choosePoster);
    connect(cmdAffiSupp, &QPushButton::clicked, this, &frmMain::removePoster);
    connect(mnuAbout, &QAction::triggered, this, [this] { ShowAbout(this); });
    auto *posterClick = new MouseClick(imgAffiche);
    connect(posterClick, &MouseClick::clicked, this, &frmMain::viewFullSize);
    connect(posterClick, &MouseClick::rightClicked, this, [this](QPoint at) { mnuPopAffi->exec(at); });
}

void frmMain::newCard()
{
    if (saveQuestion(QStringLiteral("Voulez-vous enregistrer la fiche avant de quitter ?")))
        m_document.startNew();
}

void frmMain::open()
{
    if (!saveQuestion(kOpenQuestion))
        return;
    const QString path = ShowFileDialog(this, QString::fromUtf8(kCardDialogTitle), CardFilters(),
                                        SpecialFolder::Desktop, FileChoice::Existing);
    if (!path.isEmpty())
        openFile(path);
}

void frmMain::openDropped(const QString &path)
{
    if (saveQuestion(kOpenQuestion))
        openFile(path);
}

bool frmMain::openFile(const QString &path)
{
    // The card is read whole before anything on screen changes: a card that
    // cannot be read leaves the one shown as it was.
    const IoStatus status = m_document.open(path);
    if (!status.ok())
        TellFailure(this, status.errorString);
    return status.ok();
}

bool frmMain::save()
{
    if (!titleCheck())
        return false;
    if (m_document.isNew()) {
        const QString path = AskSaveTarget(this, txtTitre->text());
        return !path.isEmpty() && concludeWrite(m_document.saveAs(path));
    }
    return overwriteCheck() && concludeWrite(m_document.save());
}

void frmMain::saveAs()
{
    if (!titleCheck())
        return;
    if (const QString path = AskSaveTarget(this, m_document.path()); !path.isEmpty())
        concludeWrite(m_document.saveAs(path));
}

void frmMain::preview()
{
    if (!titleCheck())
        return;
    const IoStatus status = PreviewCard(m_document.record(), m_document.poster());
    if (!status.ok())
        TellFailure(this, status.errorString);
}

// The card as the document holds it, unsaved changes included.
void frmMain::print()
{
    CardJob job({m_document.record(), m_document.poster()});
    PrintWithDialog(this, job);
}

void frmMain::exportPdf()
{
    CardJob job({m_document.record(), m_document.poster()});
    ExportPdfWithDialog(this, job, PdfName(m_document.path(), m_document.record()));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_document.isModified()) {
        const QString question =
            QStringLiteral("Enregistrer les modifications apportées à \"%1\" ?").arg(m_document.name());
        switch (ShowMessage(this, question, MessageButtons::YesNoCancel, MessageIcon::Warning, Answer::Yes)) {
        case Answer::Yes:
            // Changes the user asked to keep are never dropped: a save that
            // did not happen keeps the window open.
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case Answer::No: break;
        default: event->ignore(); return;
        }
    }
    event->accept();
}

void frmMain::searchOnline()
{
    frmOnlineSearch window(m_document.record(), !m_document.poster().isEmpty(), OnlineSettings::current(), this);
    if (window.exec() != QDialog::Accepted)
        return;
    m_document.fill(window.filled().record, window.filled().takePoster, window.poster());
    if (!window.posterProblem().isEmpty())
        ShowMessage(this, window.posterProblem(), MessageButtons::Ok, MessageIcon::Warning);
}
