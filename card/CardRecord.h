#pragma once

#include <QByteArray>
#include <QString>

// The eight fixed-length text fields of a card, held exactly as they are
// stored: 1168 Windows-1252 bytes, each field space-padded to its length.
class CardRecord
{
public:
    enum Field { Titre, Annee, DureeH, DureeMin, Type, Realisateur, Acteurs, Resume };
    static constexpr int FieldCount = 8;
    static constexpr int Size = 1168;

    CardRecord();

    // Encodes the text, then fits the bytes to the field: cut after its
    // last byte or padded with spaces.
    void set(Field field, const QString &text);
    // The field as stored, padding included.
    QString text(Field field) const;

    const QByteArray &bytes() const { return m_bytes; }
    // Takes up to Size bytes; a shorter input leaves the rest as spaces.
    static CardRecord fromBytes(QByteArrayView bytes);

    static int offset(Field field);
    static int length(Field field);

    friend bool operator==(const CardRecord &, const CardRecord &) = default;

private:
    QByteArray m_bytes;
};

// The card marker that opens every card file.
struct MarkerRecord
{
    QByteArray Signature; // 7 bytes
};

inline constexpr char kCardMarker[] = "@FCHSC@";
inline constexpr int kMarkerSize = 7;
inline constexpr int kHeaderSize = kMarkerSize + CardRecord::Size; // 1175
inline constexpr char kSeparator = char(0xA9);
inline constexpr int kPosterOffset = kHeaderSize + 1; // 1176

MarkerRecord MakeMarker();
bool IsCardMarker(const MarkerRecord &marker);

// Windows-1252, one byte per character; a character the code page cannot
// represent becomes "?".
QByteArray EncodeCardText(const QString &text);
QString DecodeCardText(const QByteArray &bytes);
