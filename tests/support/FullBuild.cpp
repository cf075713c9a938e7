#include "support/FullBuild.h"

#include "app/WorkFolder.h"
#include "card/CardWriter.h"

IoStatus FullBuild(const CardRecord &record, const QString &poster, const QString &target)
{
    const QString work = CreateWorkFolder(NameOrder::DateFirst);
    IoStatus status = WriteInfoFile(work, record);
    bool hasPicture = false;
    if (status.ok())
        status = CopyPosterToWork(work, poster, hasPicture);
    if (status.ok())
        status = AssembleCardFile(work, target, hasPicture);
    RemoveWorkFolder(work);
    return status;
}
