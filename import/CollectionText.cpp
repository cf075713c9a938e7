#include "import/CollectionText.h"

#include <QRegularExpression>

int YearIn(const QString &text)
{
    static const QRegularExpression fourDigits(QStringLiteral("(?<!\\d)(\\d{4})(?!\\d)"));
    if (const QRegularExpressionMatch match = fourDigits.match(text); match.hasMatch())
        return match.captured(1).toInt();
    return text.trimmed().toInt();
}

int MinutesIn(const QString &text)
{
    static const QRegularExpression minutes(QStringLiteral("^\\s*(\\d{1,4})\\s*(?:min(?:utes?)?|mn|m)?\\.?\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hours(
        QStringLiteral("^\\s*(\\d{1,2})\\s*(?:h|:)\\s*(\\d{1,2})?\\s*(?:min(?:utes?)?|mn|m)?\\.?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = minutes.match(text); match.hasMatch())
        return match.captured(1).toInt();
    if (const QRegularExpressionMatch match = hours.match(text); match.hasMatch())
        return match.captured(1).toInt() * 60 + match.captured(2).toInt();
    return 0;
}

QStringList SplitNames(const QString &text)
{
    QStringList names;
    QString name;
    int depth = 0;
    for (QChar c : text) {
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        if (depth == 0 && (c == u',' || c == u';' || c == u'\n' || c == u'\r')) {
            names << name.trimmed();
            name.clear();
        } else {
            name += c;
        }
    }
    names << name.trimmed();
    names.removeAll(QString());
    return names;
}

QString WithoutRole(const QString &name)
{
    static const QRegularExpression role(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(name).remove(role).trimmed();
}
