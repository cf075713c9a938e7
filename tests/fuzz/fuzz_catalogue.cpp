// Feeds arbitrary files to the catalogue's reading of a card, its search,
// its duplicates and its correction of several cards, and checks what they
// keep and write against the bytes they were given.
#include "FuzzInput.h"

#include "catalogue/CardCorrection.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/Duplicates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = InputFile(data, size);

    const CatalogueCard card = ReadCatalogueCard(path);
    Check(card.readable == input.startsWith("@FCHSC@"));
    Check(card.settled == (card.readable ? input.size() >= kPosterOffset : input.size() >= kMarkerSize));
    CatalogueSearch(QStringLiteral("le 19")).matches(card);
    DuplicateKey(card);
    card.duration();
    if (!card.readable)
        return 0;
    // The fields kept without their padding give the stored record back.
    const QByteArray stored = input.mid(kMarkerSize, CardRecord::Size).leftJustified(CardRecord::Size, ' ');
    Check(card.record().bytes() == stored);

    // Only a whole card is corrected, and only the field asked for.
    const bool corrected = CorrectCards({card}, {{CardRecord::Type, QStringLiteral("Western")}}).isEmpty();
    Check(corrected == card.settled);
    QByteArray expected = input;
    if (corrected)
        expected.replace(kMarkerSize + CardRecord::offset(CardRecord::Type), CardRecord::length(CardRecord::Type),
                         QByteArray("Western").leftJustified(CardRecord::length(CardRecord::Type), ' '));
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly) && file.readAll() == expected);
    return 0;
}
