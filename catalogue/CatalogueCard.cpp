#include "catalogue/CatalogueCard.h"

#include "card/CardHeader.h"
#include "card/CardText.h"

#include "core/FileStart.h"

#include <QFileInfo>

#include <cstring>

namespace {

// Where the text ends before its padding: most of a card's 1168 bytes are
// spaces, gone through eight at a time.
const char *EndOfText(const char *start, const char *end)
{
    constexpr quint64 kSpaces = 0x2020202020202020;
    for (quint64 word = 0; end - start >= qsizetype(sizeof word); end -= sizeof word) {
        std::memcpy(&word, end - sizeof word, sizeof word);
        if (word != kSpaces)
            break;
    }
    while (end != start && end[-1] == ' ')
        --end;
    return end;
}

} // namespace

void CatalogueCard::setRecord(const CardRecord &record)
{
    // The fields less their padding, copied in one allocation.
    std::array<QByteArrayView, CardRecord::FieldCount> trimmed;
    qsizetype total = 0;
    for (int field = 0; field < CardRecord::FieldCount; ++field) {
        const char *start = record.bytes().constData() + CardRecord::offset(CardRecord::Field(field));
        const char *end = EndOfText(start, start + CardRecord::length(CardRecord::Field(field)));
        trimmed[field] = QByteArrayView(start, end);
        total += trimmed[field].size();
    }
    fields = QByteArray(total, Qt::Uninitialized);
    char *out = fields.data();
    for (int field = 0; field < CardRecord::FieldCount; ++field) {
        out = std::copy(trimmed[field].begin(), trimmed[field].end(), out);
        fieldEnds[field] = quint16(out - fields.constData());
    }
}

QByteArrayView CatalogueCard::bytes(CardRecord::Field field) const
{
    const qsizetype start = field == 0 ? 0 : fieldEnds[field - 1];
    return QByteArrayView(fields).sliced(start, fieldEnds[field] - start);
}

CardRecord CatalogueCard::record() const
{
    QByteArray stored;
    stored.reserve(CardRecord::Size);
    for (int field = 0; field < CardRecord::FieldCount; ++field)
        stored +=
            bytes(CardRecord::Field(field)).toByteArray().leftJustified(CardRecord::length(CardRecord::Field(field)));
    return CardRecord::fromBytes(stored);
}

QString CatalogueCard::text(CardRecord::Field field) const
{
    return DecodeCardText(bytes(field).toByteArray());
}

QString CatalogueCard::title() const
{
    return readable ? text(CardRecord::Titre) : QFileInfo(path).fileName();
}

QString CatalogueCard::duration() const
{
    return RunningTimeText(text(CardRecord::DureeH), text(CardRecord::DureeMin));
}

int CatalogueCard::year() const
{
    bool ok = false;
    const int value = text(CardRecord::Annee).trimmed().toInt(&ok);
    return ok ? value : -1;
}

int CatalogueCard::minutes() const
{
    return RunningMinutes(text(CardRecord::DureeH), text(CardRecord::DureeMin), QLocale());
}

CatalogueCard ReadCatalogueCard(const QString &absolutePath)
{
    CatalogueCard card;
    card.path = absolutePath;
    char bytes[kPosterOffset];
    const FileStart start = ReadFileStart(card.path, bytes, kPosterOffset);
    if (start.status == FileStart::Missing)
        card.settled = false;
    if (start.stamp.isFile) {
        card.modified = start.stamp.modified;
        card.size = start.stamp.size;
    }
    if (start.status != FileStart::Read)
        return card;
    // A card cut inside its text part reads as the viewer reads it: the
    // rest is spaces.
    const CardHeader header = ParseCardHeader(QByteArrayView(bytes, start.size), card.size);
    card.setRecord(header.record);
    card.readable = header.ok();
    // Shorter than the marker, or a marker without the whole text part: a
    // file still being written, most likely.
    card.settled = header.ok() ? header.whole : card.size >= kMarkerSize;
    return card;
}
