#include "card/CardWriter.h"

#include "card/CardFileIo.h"
#include "card/CardHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray Header(const CardRecord &record)
{
    return MakeMarker().Signature + record.bytes();
}

IoStatus WriteAll(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() ? IoStatus::success() : IoStatus::failure(CannotWrite(file));
}

// Opens a card file and checks that it is a whole one, leaving it at the
// separator.
IoStatus OpenWholeCard(QFile &card, QIODevice::OpenMode mode)
{
    if (!card.open(mode | QIODevice::ExistingOnly))
        return IoStatus::failure(mode & QIODevice::WriteOnly ? CannotWrite(card) : CannotRead(card));
    const CardHeader header = ReadCardHeader(card);
    if (header.status == IoStatus::Failed)
        return IoStatus::failure(CannotRead(card));
    if (!header.whole)
        return IoStatus::failure(NotACardFile(card.fileName()));
    card.seek(kHeaderSize);
    return IoStatus::success();
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

IoStatus WriteCard(const CardRecord &record, const QByteArray &poster, const QString &target)
{
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return IoStatus::failure(CannotWrite(out));
    IoStatus status = WriteAll(out, Header(record) + kSeparator);
    if (status.ok())
        status = WriteAll(out, poster);
    return status.ok() ? Commit(out) : status;
}

bool IsWholeCardFile(const QString &path)
{
    QFile card(path);
    return QFileInfo(path).isFile() && OpenWholeCard(card, QIODevice::ReadOnly).ok();
}

IoStatus WriteCardHeader(const QString &cardPath, const CardRecord &record)
{
    QFile card(cardPath);
    if (IoStatus check = OpenWholeCard(card, QIODevice::ReadWrite); !check.ok())
        return check;
    card.seek(0);
    IoStatus status = WriteAll(card, Header(record));
    if (status.ok() && !card.flush())
        status = IoStatus::failure(CannotWrite(card));
    return status;
}

IoStatus CopyCardWithHeader(const QString &source, const QString &target, const CardRecord &record)
{
    QFile card(source);
    if (IoStatus check = OpenWholeCard(card, QIODevice::ReadOnly); !check.ok())
        return check;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return IoStatus::failure(CannotWrite(out));
    IoStatus status = WriteAll(out, Header(record));
    if (status.ok())
        status = CopyRest(card, out);
    return status.ok() ? Commit(out) : status;
}
