#include "card/CardText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The stored running time read as a whole number the way it was written:
// blanks around it ignored, nothing else accepted.
std::optional<int> StoredNumber(const QString &stored)
{
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
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
    if (!IsNumeric(typed, locale))
        return typed;
    const double value = std::nearbyint(locale.toDouble(typed.trimmed()));
    return value < 10 ? u' ' + typed : typed;
}

QString HoursForEditor(const QString &stored)
{
    const std::optional<int> value = StoredNumber(stored);
    return value ? QString::number(*value) : QString();
}

QString MinutesForEditor(const QString &stored)
{
    const std::optional<int> value = StoredNumber(stored);
    if (!value)
        return {};
    return *value < 0 ? QString::number(*value)
                      : QStringLiteral("%1").arg(*value, 2, 10, QLatin1Char('0'));
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
