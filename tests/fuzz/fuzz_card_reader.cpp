// Feeds arbitrary files to the card reader and checks what it reports
// against the bytes it was given.
#include "app/WorkFolder.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Slurp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString card = dir.filePath(QStringLiteral("card.fsc"));
    const QString work = dir.filePath(QStringLiteral("work"));
    QDir(work).removeRecursively();
    QDir().mkpath(work);
    {
        QFile file(card);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(input) == input.size());
    }

    const CardReadResult read = ReadCardFile(card, work);
    const bool isCard = input.startsWith("@FCHSC@");
    Check(read.ok() == isCard);
    if (!isCard)
        return 0;
    QByteArray record = input.mid(7, CardRecord::Size);
    record.append(CardRecord::Size - record.size(), ' ');
    Check(read.record.bytes() == record);
    Check(read.hasPoster == (input.size() > kPosterOffset));
    if (read.hasPoster)
        Check(Slurp(WorkFile(work, kPosterFileName)) == input.mid(kPosterOffset));

    // A header rewrite changes the text part of a whole card and nothing else,
    // and leaves anything shorter untouched.
    const IoStatus rewritten = WriteCardHeader(card, CardRecord());
    const QByteArray after = Slurp(card);
    Check(rewritten.ok() == (input.size() >= kPosterOffset));
    Check(after.size() == input.size());
    if (rewritten.ok())
        Check(after.mid(kHeaderSize) == input.mid(kHeaderSize)
              && after.left(kHeaderSize) == QByteArray("@FCHSC@") + QByteArray(CardRecord::Size, ' '));
    else
        Check(after == input);
    return 0;
}
