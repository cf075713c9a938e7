// Feeds arbitrary files to the card reader and the header rewrite, and
// checks what they do against the bytes they were given.
#include "FuzzInput.h"

#include "card/CardReader.h"
#include "card/CardWriter.h"

namespace {

QByteArray Slurp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString card = InputFile(data, size);

    const CardReadResult read = ReadCardFile(card);
    Check(read.ok() == input.startsWith("@FCHSC@"));
    if (!read.ok())
        return 0;
    Check(read.record.bytes() == input.mid(7, CardRecord::Size).leftJustified(CardRecord::Size, ' '));
    Check(read.poster == input.mid(kPosterOffset));

    // Only a whole card is rewritten, and only its text part.
    const bool rewritten = WriteCardHeader(card, CardRecord()).ok();
    Check(rewritten == (input.size() >= kPosterOffset));
    const QByteArray header = QByteArray("@FCHSC@") + QByteArray(CardRecord::Size, ' ');
    Check(Slurp(card) == (rewritten ? header + input.mid(kHeaderSize) : input));
    return 0;
}
