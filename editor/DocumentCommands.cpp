#include "editor/DocumentCommands.h"

#include "card/CardWriter.h"
#include "core/WorkFolder.h"
#include "editor/CardDocument.h"
#include "viewer/LoadViewer.h"

IoStatus SaveCard(const CardDocument &document, const CardRecord &record)
{
    // A card file that vanished or was replaced since it was opened is
    // written whole, so that nothing on screen is lost.
    if (document.posterChanged() || !IsWholeCardFile(document.path()))
        return WriteCard(record, document.poster(), document.path());
    return WriteCardHeader(document.path(), record);
}

IoStatus SaveCardAs(const CardDocument &document, const CardRecord &record, const QString &path)
{
    if (!document.posterChanged() && IsWholeCardFile(document.path()))
        return CopyCardWithHeader(document.path(), path, record);
    return WriteCard(record, document.poster(), path);
}

IoStatus PreviewCard(const CardDocument &document, const CardRecord &record)
{
    const TemporaryWorkFolder folder(NameOrder::TimeFirst);
    if (!folder.isValid())
        return IoStatus::failure(QStringLiteral("Impossible de créer un dossier de travail pour la fiche."));
    const QString preview = folder.filePath(kPreviewFileName);
    const IoStatus status = WriteCard(record, document.poster(), preview);
    if (status.ok())
        LoadViewer(preview, OnCardError::KeepRunning);
    return status;
}
