#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// Text rules between the editor's fields and the card record. They work on
// plain texts, so that the editor and the tests share them.

// Removes trailing spaces (0x20 only; tabs and line breaks stay).
QString TrimRight(const QString &text);
qint16 MaxInt(qint16 a, qint16 b);
// Made whole, halves to the even neighbour; nothing past the signed 16-bit
// range. The one rounding of the program's whole numbers: running times,
// lengths in twips.
std::optional<qint16> Whole16(double value);

// True when the whole text reads as a number under the locale (surrounding
// blanks ignored, a sign, separators and an exponent allowed). An empty
// text, a lone sign and a text with a letter that belongs to no number fail.
bool IsNumeric(const QString &text, const QLocale &locale);

// A card lists ten actors at most, each name at most 50 characters long.
inline constexpr int kMaxActors = 10;
inline constexpr int kMaxActorName = 50;

// "Anne", "Paul" -> "Anne|Paul|"; every name ends with "|".
QString JoinActors(const QStringList &names);
// "Anne|Paul|   " -> "Anne", "Paul"; the text after the last "|" is dropped.
QStringList SplitActors(const QString &stored);

// Hours as stored: a single number below 10 gets a leading space (" 7").
// The locale is the user's (QLocale()), as for every number typed.
QString HoursForRecord(const QString &typed, const QLocale &locale);
// Stored hours or minutes read back as a 16-bit whole number under the
// locale (halves to the even neighbour): hours in plain decimal ("12"),
// minutes with at least two digits ("5 " -> "05", "-5" -> "-05"); "" when
// the field holds no number.
QString HoursForEditor(const QString &stored, const QLocale &locale);
QString MinutesForEditor(const QString &stored, const QLocale &locale);

// "1h57" from the stored hours and minutes, each without its blanks, as
// the catalogue and the printed pages write the running time; empty when
// neither is filled.
QString RunningTimeText(const QString &storedHours, const QString &storedMinutes);
// The running time in minutes, for sorting: each field read as the editor
// reads it (a whole number under the locale), a blank one as 0; -1 when
// both are blank or either holds no number.
int RunningMinutes(const QString &storedHours, const QString &storedMinutes, const QLocale &locale);

// The summary is stored with CR LF line breaks; the editor's box uses LF.
QString SummaryForRecord(const QString &boxText);
QString SummaryForEditor(const QString &stored);
