#include "card/CardRecord.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

struct FieldSpan
{
    int offset;
    int length;
};

constexpr std::array<FieldSpan, CardRecord::FieldCount> kFields{{
    {0, 50},    // Titre
    {50, 4},    // Annee
    {54, 2},    // DureeH
    {56, 2},    // DureeMin
    {58, 50},   // Type
    {108, 50},  // Realisateur
    {158, 510}, // Acteurs
    {668, 500}, // Resume
}};

constexpr char kSubstitute = 0x1A; // what the converter writes for an unmappable character

} // namespace

CardRecord::CardRecord()
    : m_bytes(Size, ' ')
{
}

int CardRecord::offset(Field field)
{
    return kFields[field].offset;
}

int CardRecord::length(Field field)
{
    return kFields[field].length;
}

void CardRecord::set(Field field, const QString &text)
{
    const FieldSpan span = kFields[field];
    QByteArray encoded = EncodeCardText(text).left(span.length);
    encoded.append(span.length - encoded.size(), ' ');
    m_bytes.replace(span.offset, span.length, encoded);
}

QString CardRecord::text(Field field) const
{
    const FieldSpan span = kFields[field];
    return DecodeCardText(m_bytes.mid(span.offset, span.length));
}

CardRecord CardRecord::fromBytes(QByteArrayView bytes)
{
    CardRecord record;
    const QByteArrayView head = bytes.first(qMin<qsizetype>(Size, bytes.size()));
    record.m_bytes.replace(0, head.size(), head);
    return record;
}

MarkerRecord MakeMarker()
{
    return {QByteArray(kCardMarker, kMarkerSize)};
}

bool IsCardMarker(const MarkerRecord &marker)
{
    return marker.Signature == QByteArray(kCardMarker, kMarkerSize);
}

QByteArray EncodeCardText(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray out;
    out.reserve(text.size());
    // One code point at a time, so that each unmappable one (a surrogate
    // pair included) becomes exactly one "?".
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView point = QStringView(text).mid(i, width);
        const QByteArray byte = encoder.encode(point);
        const bool lost = byte.size() != 1 || (byte.at(0) == kSubstitute && point != u"\x1A");
        out.append(lost ? '?' : byte.at(0));
        i += width;
    }
    return out;
}

QString DecodeCardText(const QByteArray &bytes)
{
    // One character a byte: each byte is decoded once, rather than through
    // a converter opened at each call, which a catalogue makes by thousands
    // on several threads.
    static const std::array<QChar, 256> characters = [] {
        QStringDecoder decoder("windows-1252");
        std::array<QChar, 256> decoded;
        for (int byte = 0; byte < 256; ++byte)
            decoded[byte] = QString(decoder.decode(QByteArray(1, char(byte)))).front();
        return decoded;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = characters[static_cast<unsigned char>(byte)];
    return text;
}
