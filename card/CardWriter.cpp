#include "card/CardWriter.h"

#include "app/WorkFolder.h"
#include "card/FileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace {

QByteArray Header(const CardRecord &record)
{
    return MakeMarker().Signature + record.bytes();
}

IoStatus WriteAll(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() ? IoStatus::success()
                                             : IoStatus::failure(CannotWrite(file));
}

// Opens a card file for reading and checks that it is one.
IoStatus OpenCard(QFile &card)
{
    if (!card.open(QIODevice::ReadOnly))
        return IoStatus::failure(CannotRead(card));
    if (card.size() < kPosterOffset || card.read(kMarkerSize) != MakeMarker().Signature)
        return IoStatus::failure(NotACardFile(card.fileName()));
    return IoStatus::success();
}

// A second name for the same bytes costs nothing, and the work folder only
// reads it; callers make a real copy where the file system cannot link.
bool HardLink(const QString &existing, const QString &newName)
{
    const QString original = QFileInfo(existing).canonicalFilePath(); // a symlink's target
    std::error_code error;
    if (!original.isEmpty())
        std::filesystem::create_hard_link(original.toStdU16String(), newName.toStdU16String(), error);
    return !original.isEmpty() && !error;
}

IoStatus Commit(QSaveFile &out)
{
    // commit() would take the file in place even when its last buffered
    // bytes could not be written (a full disk): flush first, and check.
    if (!out.flush() || !out.commit())
        return IoStatus::failure(CannotWrite(out));
    return IoStatus::success();
}

} // namespace

bool IsWholeCardFile(const QString &path)
{
    QFile card(path);
    return FileExists(path) && OpenCard(card).ok();
}

IoStatus WriteInfoFile(const QString &folder, const CardRecord &record)
{
    if (folder.isEmpty())
        return IoStatus::failure(NoWorkFolder());
    QFile info(WorkFile(folder, kInfoFileName));
    if (!info.open(QIODevice::ReadWrite))
        return IoStatus::failure(CannotWrite(info));
    IoStatus status = WriteAll(info, Header(record));
    if (status.ok() && !info.flush())
        status = IoStatus::failure(CannotWrite(info));
    return status;
}

IoStatus WriteCardHeader(const QString &cardPath, const CardRecord &record)
{
    QFile card(cardPath);
    if (IoStatus check = OpenCard(card); !check.ok())
        return check;
    card.close();
    if (!card.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return IoStatus::failure(CannotWrite(card));
    IoStatus status = WriteAll(card, Header(record));
    if (status.ok() && !card.flush())
        status = IoStatus::failure(CannotWrite(card));
    return status;
}

IoStatus CopyPosterToWork(const QString &folder, const QString &posterPath, bool &hasPicture)
{
    hasPicture = false;
    if (posterPath.isEmpty())
        return IoStatus::success();
    if (folder.isEmpty())
        return IoStatus::failure(NoWorkFolder());
    const QString copyPath = WorkFile(folder, kPosterFileName);
    QFile::remove(copyPath);
    if (HardLink(posterPath, copyPath)) {
        hasPicture = true;
        return IoStatus::success();
    }
    QFile poster(posterPath);
    if (!poster.open(QIODevice::ReadOnly))
        return IoStatus::failure(CannotRead(poster));
    QFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return IoStatus::failure(CannotWrite(copy));
    IoStatus status = CopyRest(poster, copy);
    if (status.ok() && !copy.flush())
        status = IoStatus::failure(CannotWrite(copy));
    hasPicture = status.ok();
    return status;
}

IoStatus AssembleCardFile(const QString &folder, const QString &target, bool hasPicture)
{
    if (folder.isEmpty())
        return IoStatus::failure(NoWorkFolder());
    QFile info(WorkFile(folder, kInfoFileName));
    if (!info.open(QIODevice::ReadOnly))
        return IoStatus::failure(CannotRead(info));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return IoStatus::failure(CannotWrite(out));
    IoStatus status = CopyRest(info, out);
    if (status.ok())
        status = WriteAll(out, QByteArray(1, kSeparator));
    if (status.ok() && hasPicture) {
        QFile poster(WorkFile(folder, kPosterFileName));
        status = poster.open(QIODevice::ReadOnly) ? CopyRest(poster, out)
                                                  : IoStatus::failure(CannotRead(poster));
    }
    return status.ok() ? Commit(out) : status;
}

IoStatus WriteCard(const CardRecord &record, const QString &posterPath, const QString &target)
{
    const QString workFolder = CreateWorkFolder(NameOrder::DateFirst);
    IoStatus status = WriteInfoFile(workFolder, record);
    bool hasPicture = false;
    if (status.ok())
        status = CopyPosterToWork(workFolder, posterPath, hasPicture);
    if (status.ok())
        status = AssembleCardFile(workFolder, target, hasPicture);
    RemoveWorkFolder(workFolder);
    return status;
}

IoStatus CopyCardWithHeader(const QString &source, const QString &target, const CardRecord &record)
{
    QFile card(source);
    if (IoStatus check = OpenCard(card); !check.ok())
        return check;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return IoStatus::failure(CannotWrite(out));
    IoStatus status = WriteAll(out, Header(record));
    if (status.ok() && !card.seek(kHeaderSize))
        status = IoStatus::failure(CannotRead(card));
    if (status.ok())
        status = CopyRest(card, out);
    return status.ok() ? Commit(out) : status;
}
