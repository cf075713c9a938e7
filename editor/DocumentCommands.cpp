#include "editor/DocumentCommands.h"

#include "card/CardWriter.h"
#include "core/WorkFolder.h"
#include "viewer/LoadViewer.h"

IoStatus PreviewCard(const CardRecord &record, const QByteArray &poster)
{
    const TemporaryWorkFolder folder(NameOrder::TimeFirst);
    if (!folder.isValid())
        return IoStatus::failure(QStringLiteral("Impossible de créer un dossier de travail pour la fiche."));
    const QString preview = folder.filePath(kPreviewFileName);
    const IoStatus status = WriteCard(record, poster, preview);
    if (status.ok())
        LoadViewer(preview);
    return status;
}
