#include "editor/frmMain.h"

#include "about/frmAbout.h"
#include "app/Desktop.h"
#include "app/FileDialogs.h"
#include "app/MouseClick.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "editor/ActorsList.h"
#include "editor/DocumentCommands.h"

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

bool frmMain::TitleCheck()
{
    if (!txtTitre->text().isEmpty())
        return true;
    ShowMessage(this, QStringLiteral("Vous devez entrer le titre du film"));
    txtTitre->setFocus();
    return false;
}

bool frmMain::SaveQuestion(const QString &question)
{
    if (!m_document.isModified())
        return true;
    switch (ShowMessage(this, question, MessageButtons::YesNoCancel, MessageIcon::Question, Answer::Yes)) {
    case Answer::Yes:
        Save(); // and the command ends there
        return false;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool frmMain::Conclude(const QString &path, const IoStatus &status)
{
    if (!status.ok()) {
        TellFailure(this, status.errorString);
        return false;
    }
    m_document.saved(path);
    mnuPopReset->setEnabled(true);
    return true;
}

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
    auto *posterClick = new MouseClick(imgAffiche);
    connect(posterClick, &MouseClick::clicked, this, &frmMain::ViewFullSize);
    connect(posterClick, &MouseClick::rightClicked, this, [this](QPoint at) { mnuPopAffi->exec(at); });
}

void frmMain::New()
{
    if (!SaveQuestion(QStringLiteral("Voulez-vous enregistrer la fiche avant de quitter ?")))
        return;
    ResetCard();
    m_document.startNew();
    mnuPopReset->setEnabled(false);
}

void frmMain::Open()
{
    if (!SaveQuestion(kOpenQuestion))
        return;
    const QString path = ShowFileDialog(this, QString::fromUtf8(kCardDialogTitle), CardFilters(),
                                        SpecialFolder::Desktop, FileChoice::Existing);
    if (!path.isEmpty())
        OpenFile(path);
}

void frmMain::OpenDropped(const QString &path)
{
    if (SaveQuestion(kOpenQuestion))
        OpenFile(path);
}

void frmMain::OpenFile(const QString &path)
{
    ResetCard();
    const CardReadResult card = ReadCardFile(path);
    if (card.ok()) {
        FillEditorFields(card.record);
        m_document.opened(path, card.poster);
        Pic2Img(PosterPicture::fromBytes(card.poster)); // a poster that cannot be shown stays in the card
        mnuPopReset->setEnabled(true);
        return;
    }
    TellFailure(this, ReadFailureMessage(card));
    if (card.status != CardReadStatus::Unreadable) {
        desktop().endProgram(1);
        return;
    }
    // A card that exists but cannot be read leaves an empty new card.
    m_document.startNew();
    mnuPopReset->setEnabled(false);
}

bool frmMain::Save()
{
    if (!TitleCheck())
        return false;
    bool written = false;
    if (m_document.isNew()) {
        const QString path = AskSaveTarget(this, txtTitre->text());
        written = !path.isEmpty() && Conclude(path, WriteCard(CollectCard(), m_document.poster(), path));
    } else {
        written = Conclude(m_document.path(), SaveCard(m_document, CollectCard()));
    }
    m_actors->ClearSelection();
    return written;
}

void frmMain::SaveAs()
{
    if (!TitleCheck())
        return;
    const QString path = AskSaveTarget(this, m_document.path());
    if (!path.isEmpty())
        Conclude(path, SaveCardAs(m_document, CollectCard(), path));
    m_actors->ClearSelection();
}

void frmMain::Preview()
{
    if (!TitleCheck())
        return;
    const IoStatus status = PreviewCard(m_document, CollectCard());
    if (!status.ok())
        TellFailure(this, status.errorString);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_document.isModified()) {
        const QString question = QStringLiteral("Enregistrer les modifications apportées à \"%1\" ?").arg(m_document.name());
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
    event->accept();
}
