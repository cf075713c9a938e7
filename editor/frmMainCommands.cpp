#include "editor/frmMain.h"

#include "about/frmAbout.h"
#include "app/Desktop.h"
#include "app/FileDialogs.h"
#include "editor/ActorsList.h"
#include "editor/DocumentCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

enum class Go { On, Stop };

const QString kOpenQuestion = QStringLiteral("Voulez-vous enregistrer la fiche actuelle ?");

// Save, Save As and Preview need a title.
bool TitleCheck(frmMain &editor)
{
    if (!editor.txtTitre->text().isEmpty())
        return true;
    ShowMessage(&editor, QStringLiteral("Vous devez entrer le titre du film"));
    editor.txtTitre->setFocus();
    return false;
}

// New and Open first offer to save unsaved changes; Yes saves and ends the command.
Go SaveQuestion(frmMain &editor, const QString &question)
{
    if (!editor.blnModified)
        return Go::On;
    switch (ShowMessage(&editor, question, MessageButtons::YesNoCancel, MessageIcon::Question, Answer::Yes)) {
    case Answer::Yes:
        editor.Save();
        return Go::Stop;
    case Answer::No:
        return Go::On;
    default:
        return Go::Stop;
    }
}

void TellFailure(frmMain &editor, const QString &message)
{
    ShowMessage(&editor, message, MessageButtons::Ok, MessageIcon::Critical);
}

// An empty card that has never been saved.
void StartNewCard(frmMain &editor)
{
    ResetCard(editor, QString());
    editor.lblFileName = QString::fromLatin1(kNewCardName);
    editor.lblFile.clear();
    editor.mnuPopReset->setEnabled(false);
    editor.ChangeEdit(false);
}

// The card now lives in this file.
void TakeFile(frmMain &editor, const QString &path)
{
    editor.lblFile = path;
    editor.lblFileName = QFileInfo(path).fileName();
}

// After a save: the card lives in the file written, unmodified, its poster
// part of it; or the user is told why nothing was written. True when written.
bool Conclude(frmMain &editor, const SaveResult &result)
{
    switch (result.outcome) {
    case SaveOutcome::Saved:
        TakeFile(editor, result.path);
        editor.ChangeEdit(false);
        editor.blnAffiMod = false;
        editor.mnuPopReset->setEnabled(true);
        return true;
    case SaveOutcome::Failed:
        TellFailure(editor, result.errorString);
        return false;
    case SaveOutcome::Cancelled:
        return false;
    }
    return false;
}

} // namespace

void frmMain::ConnectCommands()
{
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::New);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::Open);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::Save);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::SaveAs);
    connect(mnuFilePrev, &QAction::triggered, this, &frmMain::Preview);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::close);
    connect(mnuPopFull, &QAction::triggered, this, &frmMain::ViewFullSize);
    mnuPopAffi->setDefaultAction(mnuPopFull); // shown in bold, in the bar and on the poster
    connect(mnuPopModif, &QAction::triggered, this, &frmMain::ChoosePoster);
    connect(mnuPopRem, &QAction::triggered, this, &frmMain::RemovePoster);
    connect(mnuPopReset, &QAction::triggered, this, &frmMain::RestorePoster);
    connect(cmdAffiMod, &QPushButton::clicked, this, &frmMain::ChoosePoster);
    connect(cmdAffiSupp, &QPushButton::clicked, this, &frmMain::RemovePoster);
    connect(mnuAbout, &QAction::triggered, this, [this] { ShowAbout(this); });
    imgAffiche->installEventFilter(this);
}

void frmMain::New()
{
    if (SaveQuestion(*this, QStringLiteral("Voulez-vous enregistrer la fiche avant de quitter ?")) == Go::Stop)
        return;
    StartNewCard(*this);
}

void frmMain::Open()
{
    if (SaveQuestion(*this, kOpenQuestion) == Go::Stop)
        return;
    const QString path = ShowFileDialog(this, QString::fromUtf8(kCardDialogTitle), CardFilters(),
                                        SpecialFolder::Desktop, FileChoice::Existing);
    if (!path.isEmpty())
        OpenFile(path);
}

void frmMain::OpenDropped(const QString &path)
{
    if (SaveQuestion(*this, kOpenQuestion) == Go::On)
        OpenFile(path);
}

void frmMain::OpenFile(const QString &path)
{
    TakeFile(*this, path);
    ResetCard(*this, QString());
    const CardReadResult card = OpenCardInEditor(*this, path);
    if (card.ok()) {
        mnuPopReset->setEnabled(true);
        ChangeEdit(false);
        return;
    }
    TellFailure(*this, ReadFailureMessage(card));
    if (card.status == CardReadStatus::Unreadable)
        StartNewCard(*this); // a card that exists but cannot be read leaves an empty new card
    else
        desktop().endProgram(1);
}

bool frmMain::Save()
{
    if (!TitleCheck(*this))
        return false;
    const bool written =
        Conclude(*this, lblFileName != QLatin1String(kNewCardName) ? SaveCard(*this) : SaveNewCard(*this));
    actors->ClearSelection();
    return written;
}

void frmMain::SaveAs()
{
    if (!TitleCheck(*this))
        return;
    Conclude(*this, SaveCardAs(*this));
    actors->ClearSelection();
}

void frmMain::Preview()
{
    if (!TitleCheck(*this))
        return;
    const IoStatus status = PreviewCard(*this);
    if (!status.ok())
        TellFailure(*this, status.errorString);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (blnModified) {
        const QString question = QStringLiteral("Enregistrer les modifications apportées à \"%1\" ?").arg(lblFileName);
        switch (ShowMessage(this, question, MessageButtons::YesNoCancel, MessageIcon::Warning, Answer::Yes)) {
        case Answer::Yes:
            // Changes the user asked to keep are never dropped: a save that
            // did not happen keeps the window open.
            if (!Save()) {
                event->ignore();
                return;
            }
            break;
        case Answer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    ResetCard(*this, QStringLiteral("End"));
    event->accept();
}
