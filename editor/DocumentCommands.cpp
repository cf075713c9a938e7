#include "editor/DocumentCommands.h"

#include "app/FileDialogs.h"
#include "app/WorkFolder.h"
#include "card/CardWriter.h"
#include "card/FileCopy.h"
#include "editor/ActorsList.h"
#include "editor/EditorCard.h"
#include "editor/SummaryBox.h"
#include "editor/frmMain.h"
#include "viewer/LoadViewer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

namespace {

SaveResult Outcome(const IoStatus &status, const QString &path)
{
    return {status.ok() ? SaveOutcome::Saved : SaveOutcome::Failed, path, status.errorString};
}

} // namespace

void ResetCard(frmMain &editor, const QString &Mode)
{
    if (!editor.lblReset.isEmpty())
        RemoveWorkFolder(editor.lblReset);
    if (Mode == QStringLiteral("End"))
        return;
    editor.lblReset.clear();
    for (QLineEdit *box : {editor.txtAnnee, editor.txtDuree1, editor.txtDuree2, editor.txtRealisateur,
                           editor.txtTitre, editor.txtType})
        box->setText(QString());
    editor.txtResume->setStoredText(QString());
    editor.lblAffiche.clear();
    editor.actors->Empty();
    editor.Pic2Img(QString());
    editor.ChangeEdit(false);
}

CardReadResult OpenCardInEditor(frmMain &editor, const QString &path)
{
    const QString workFolder = CreateWorkFolder(NameOrder::DateFirst);
    const CardReadResult card = ReadCardFile(path, workFolder);
    if (card.ok()) {
        FillEditorFields(editor, card.record);
        KeepPosterCopy(editor, workFolder);
        editor.Pic2Img(editor.strImage);
    }
    RemoveWorkFolder(workFolder);
    return card;
}

void KeepPosterCopy(frmMain &editor, const QString &workFolder)
{
    const QString extracted = WorkFile(workFolder, kPosterFileName);
    if (FileExists(extracted)) {
        editor.lblReset = CreateWorkFolder(NameOrder::TimeFirst);
        const QString copy = WorkFile(editor.lblReset, kPosterFileName);
        // Without its copy the poster cannot be put back, nor previewed.
        if (!editor.lblReset.isEmpty() && QFile::copy(extracted, copy))
            editor.strImage = copy;
    }
    editor.blnAffiMod = false;
}

SaveResult SaveNewCard(frmMain &editor)
{
    const QString path = AskSaveTarget(&editor, editor.txtTitre->text());
    if (path.isEmpty())
        return {};
    return Outcome(SaveCardTo(editor, path), path);
}

IoStatus SaveCardTo(frmMain &editor, const QString &path)
{
    return WriteCard(CollectCard(editor), PosterShown(editor), path);
}

IoStatus SaveCardHeader(frmMain &editor, const QString &path)
{
    // A card file that vanished or was replaced since it was opened is
    // written whole, so that nothing on screen is lost.
    if (!IsWholeCardFile(path))
        return SaveCardTo(editor, path);
    return WriteCardHeader(path, CollectCard(editor));
}

SaveResult SaveCardAs(frmMain &editor)
{
    const QString path = AskSaveTarget(&editor, editor.lblFile);
    if (path.isEmpty())
        return {};
    // The poster of the card's own file goes over unchanged with the new texts.
    if (!editor.blnAffiMod && IsWholeCardFile(editor.lblFile))
        return Outcome(CopyCardWithHeader(editor.lblFile, path, CollectCard(editor)), path);
    return Outcome(SaveCardTo(editor, path), path);
}

SaveResult SaveCard(frmMain &editor)
{
    const IoStatus status = editor.blnAffiMod ? SaveCardTo(editor, editor.lblFile)
                                              : SaveCardHeader(editor, editor.lblFile);
    return Outcome(status, editor.lblFile);
}

IoStatus PreviewCard(frmMain &editor)
{
    const QString workFolder = CreateWorkFolder(NameOrder::TimeFirst);
    if (workFolder.isEmpty())
        return IoStatus::failure(NoWorkFolder());
    const QString preview = WorkFile(workFolder, kPreviewFileName);
    const IoStatus status = WriteCard(CollectCard(editor), PosterShown(editor), preview);
    if (status.ok())
        LoadViewer(preview, OnCardError::KeepRunning);
    RemoveWorkFolder(workFolder);
    return status;
}

QString PosterShown(const frmMain &editor)
{
    if (!editor.lblAffiche.isEmpty())
        return editor.lblAffiche;
    // An opened card whose poster is unchanged shows its reset copy.
    if (!editor.blnAffiMod && !editor.lblReset.isEmpty())
        return WorkFile(editor.lblReset, kPosterFileName);
    return {};
}
