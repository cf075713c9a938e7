#include "card/CardText.h"

#include "card/CardRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// A number as the running time fields hold it, made a 16-bit whole number.
std::optional<qint16> WholeNumber(const QString &text, const QLocale &locale)
{
    if (!IsNumeric(text, locale))
        return std::nullopt;
    return Whole16(locale.toDouble(text.trimmed()));
}

} // namespace

QString TrimRight(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

qint16 MaxInt(qint16 a, qint16 b)
{
    return a > b ? a : b;
}

std::optional<qint16> Whole16(double value)
{
    const double whole = std::nearbyint(value);
    if (whole >= std::numeric_limits<qint16>::min() && whole <= std::numeric_limits<qint16>::max())
        return qint16(whole);
    return std::nullopt;
}

bool IsNumeric(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    // "inf" and "nan" convert too, but they are no number a user types here.
    if (!std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    bool ok = false;
    locale.toDouble(trimmed, &ok);
    return ok;
}

QString JoinActors(const QStringList &names)
{
    QString joined;
    for (const QString &name : names)
        joined += name + u'|';
    return joined;
}

QStringList SplitActors(const QString &stored)
{
    QStringList pieces = TrimRight(stored).split(u'|');
    pieces.removeLast(); // the text after the last "|" is no name
    return pieces;
}

QString HoursForRecord(const QString &typed, const QLocale &locale)
{
    // Only a text shorter than the field is aligned: a stored "-1" stays
    // whole instead of losing its digit.
    const std::optional<qint16> value = WholeNumber(typed, locale);
    const bool aligned = value && *value < 10 && typed.size() < CardRecord::length(CardRecord::DureeH);
    return aligned ? u' ' + typed : typed;
}

QString HoursForEditor(const QString &stored, const QLocale &locale)
{
    const std::optional<qint16> value = WholeNumber(stored, locale);
    return value ? QString::number(*value) : QString();
}

QString MinutesForEditor(const QString &stored, const QLocale &locale)
{
    const std::optional<qint16> value = WholeNumber(stored, locale);
    if (!value)
        return {};
    const QString digits = QStringLiteral("%1").arg(std::abs(int(*value)), 2, 10, QLatin1Char('0'));
    return *value < 0 ? u'-' + digits : digits;
}

QString RunningTimeText(const QString &storedHours, const QString &storedMinutes)
{
    const QString hours = storedHours.trimmed();
    const QString minutes = storedMinutes.trimmed();
    if (hours.isEmpty() && minutes.isEmpty())
        return {};
    return hours + u'h' + minutes;
}

int RunningMinutes(const QString &storedHours, const QString &storedMinutes, const QLocale &locale)
{
    const QString hours = storedHours.trimmed();
    const QString minutes = storedMinutes.trimmed();
    if (hours.isEmpty() && minutes.isEmpty())
        return -1;
    const std::optional<qint16> h = hours.isEmpty() ? qint16(0) : WholeNumber(hours, locale);
    const std::optional<qint16> m = minutes.isEmpty() ? qint16(0) : WholeNumber(minutes, locale);
    return h && m ? *h * 60 + *m : -1;
}

QString SummaryForRecord(const QString &boxText)
{
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString SummaryForEditor(const QString &stored)
{
    QString text = stored;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
