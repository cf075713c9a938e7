#include "film/FitFilm.h"

#include "card/CardText.h"

#include <QLocale>

#include <utility>

namespace {

using F = CardRecord;

constexpr int kMaxMinutes = 9 * 60 + 59;
constexpr QChar kNoBreakSpace = QChar(0xA0);
const QString kEllipsis = QStringLiteral("…");

// Letters that NFD leaves whole and Windows-1252 lacks, with their base
// letter; and the hyphens it lacks, which join names ("Jean‑Pierre").
constexpr std::pair<char16_t, char16_t> kBaseLetters[] = {
    {u'Ł', u'L'}, {u'ł', u'l'}, {u'Đ', u'D'},      {u'đ', u'd'},      {u'ı', u'i'},
    {u'Ħ', u'H'}, {u'ħ', u'h'}, {u'\u2010', u'-'}, {u'\u2011', u'-'},
};

bool HeldByCodePage(QStringView text)
{
    const QByteArray bytes = EncodeCardText(text.toString());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes.at(i) == '?' && text.at(i) != u'?')
            return false;
    return bytes.size() == text.size();
}

// The base letter of a character the code page lacks: its decomposition
// without combining marks, or the table's letter; empty when there is none.
QString BaseLetter(QStringView point)
{
    QString base;
    for (QChar c : point.toString().normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            base += c;
    if (!base.isEmpty() && base != point && HeldByCodePage(base))
        return base;
    for (const auto &[letter, plain] : kBaseLetters)
        if (point == QChar(letter))
            return QString(QChar(plain));
    return {};
}

bool IsBlank(QChar c)
{
    return (c.isSpace() && c != kNoBreakSpace) || c.category() == QChar::Other_Control;
}

class Fitter
{
public:
    FittedFilm fitted;

    // The text in Windows-1252: composed first, so that "e" and a combining
    // accent make one "é", then each character the code page lacks replaced
    // by its base letter or left out.
    QString codePage(const QString &source)
    {
        const QString text = source.normalized(QString::NormalizationForm_C);
        const QByteArray bytes = EncodeCardText(text);
        if (!bytes.contains('?') || bytes.count('?') == text.count(u'?'))
            return text;
        QString out;
        qsizetype byte = 0;
        for (qsizetype i = 0; i < text.size(); ++byte) {
            const qsizetype width =
                text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
            const QStringView point = QStringView(text).mid(i, width);
            i += width;
            if (bytes.at(byte) != '?' || point == u"?") {
                out += point;
            } else if (point.size() == 1 && point.at(0).isSpace()) {
                // Spaces that must not break stay so; the others are plain.
                const bool noBreak = point.at(0) == QChar(0x202F) || point.at(0) == QChar(0x2007);
                out += noBreak ? kNoBreakSpace : QChar(u' ');
            } else if (const QString base = BaseLetter(point); !base.isEmpty()) {
                out += base;
                note(QStringLiteral("« %1 » remplacé par « %2 »").arg(point, base));
            } else {
                note(QStringLiteral("« %1 » retiré").arg(point));
            }
        }
        return out;
    }

    QString oneLine(const QString &source)
    {
        const QString text = codePage(source);
        QString out;
        out.reserve(text.size());
        bool blank = false;
        for (QChar c : text) {
            if (IsBlank(c)) {
                blank = true;
                continue;
            }
            if (blank && !out.isEmpty())
                out += u' ';
            blank = false;
            out += c;
        }
        return out.trimmed();
    }

    // Cut to the field's length, without the spaces the cut leaves at its end.
    QString cut(QString text, int length, const QString &what)
    {
        if (text.size() <= length)
            return text;
        ++fitted.cutFields;
        note(what);
        return text.left(length).trimmed();
    }

    void note(const QString &change)
    {
        if (!fitted.changes.contains(change))
            fitted.changes << change;
    }
};

bool IsSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u'…';
}

bool IsCloser(QChar c)
{
    return QStringView(u"\"'’”»)]").contains(c);
}

// Whether the text ends a sentence where `end` is: an end mark followed by
// closing quotes or brackets (a space allowed before each, as French puts
// before "»"), then a blank.
bool EndsSentence(const QString &text, qsizetype end)
{
    if (end >= text.size() || !text.at(end).isSpace())
        return false;
    qsizetype p = end;
    while (p > 0 && (IsCloser(text.at(p - 1)) || (text.at(p - 1).isSpace() && p < end && IsCloser(text.at(p)))))
        --p;
    return p > 0 && IsSentenceEnd(text.at(p - 1));
}

// A summary longer than the field: cut after its last sentence end when that
// keeps two thirds of the field, otherwise after its last whole word with "…".
QString CutSummary(const QString &text, int length)
{
    const int keep = (2 * length + 2) / 3;
    for (qsizetype end = length; end >= keep; --end)
        if (EndsSentence(text, end))
            return text.left(end);
    const int room = length - int(kEllipsis.size());
    qsizetype end = room;
    while (end > 0 && !(text.at(end).isSpace() && !text.at(end - 1).isSpace()))
        --end;
    QString kept = text.left(end > 0 ? end : room);
    while (!kept.isEmpty() && QStringView(u",;:").contains(kept.back()))
        kept.chop(1);
    return kept + kEllipsis;
}

QString Summary(Fitter &fitter, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar lineBreak : {QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
        text.replace(lineBreak, u'\n');
    text = fitter.codePage(text).trimmed().replace(u'\n', QStringLiteral("\r\n"));
    const int length = F::length(F::Resume);
    if (text.size() <= length)
        return text;
    ++fitter.fitted.cutFields;
    fitter.note(QStringLiteral("Résumé raccourci"));
    return CutSummary(text, length);
}

QString Directors(Fitter &fitter, const QStringList &sources)
{
    QStringList names;
    for (const QString &source : sources)
        if (const QString name = fitter.oneLine(source); !name.isEmpty())
            names << name;
    if (names.isEmpty())
        return {};
    const int length = F::length(F::Realisateur);
    if (names.first().size() > length)
        return fitter.cut(names.first(), length, QStringLiteral("Réalisateur raccourci"));
    QString joined = names.first();
    qsizetype kept = 1;
    for (; kept < names.size(); ++kept) {
        const QString longer = joined + QStringLiteral(", ") + names.at(kept);
        if (longer.size() > length)
            break;
        joined = longer;
    }
    if (kept < names.size()) {
        ++fitter.fitted.cutFields;
        fitter.note(QStringLiteral("Réalisateur : %1 noms, %2 gardés").arg(names.size()).arg(kept));
    }
    return joined;
}

QString Actors(Fitter &fitter, const QStringList &cast)
{
    QStringList names;
    bool nameCut = false;
    for (const QString &source : cast) {
        QString name = source;
        if (name.contains(u'|')) {
            name.remove(u'|');
            fitter.note(QStringLiteral("« | » retiré des noms d'acteurs"));
        }
        name = fitter.oneLine(name);
        if (name.size() > kMaxActorName) {
            name = name.left(kMaxActorName).trimmed();
            nameCut = true;
        }
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    QStringList kept;
    qsizetype size = 0;
    for (const QString &name : std::as_const(names)) {
        size += name.size() + 1; // the name and its "|"
        if (kept.size() == kMaxActors || size > F::length(F::Acteurs))
            break;
        kept << name;
    }
    if (nameCut)
        fitter.note(QStringLiteral("Nom d'acteur raccourci"));
    if (kept.size() < names.size())
        fitter.note(QStringLiteral("Acteurs : %1 noms, %2 gardés").arg(names.size()).arg(kept.size()));
    if (nameCut || kept.size() < names.size())
        ++fitter.fitted.cutFields;
    return JoinActors(kept);
}

QString Type(Fitter &fitter, const QStringList &genres)
{
    for (const QString &genre : genres) {
        QString type = fitter.oneLine(genre);
        if (type.isEmpty())
            continue;
        type[0] = type.at(0).toUpper();
        return fitter.cut(type, F::length(F::Type), QStringLiteral("Type raccourci"));
    }
    return {};
}

} // namespace

FittedFilm FitFilm(const Film &film)
{
    Fitter fitter;
    CardRecord &record = fitter.fitted.record;

    QString title = fitter.oneLine(film.title);
    if (title.isEmpty())
        title = fitter.oneLine(film.originalTitle);
    record.set(F::Titre, fitter.cut(title, F::length(F::Titre), QStringLiteral("Titre raccourci")));

    if (film.year >= 1000 && film.year <= 9999)
        record.set(F::Annee, QString::number(film.year));
    else if (film.year != 0)
        fitter.note(QStringLiteral("Année %1 ignorée").arg(film.year));

    if (film.minutes > 0 && film.minutes <= kMaxMinutes) {
        record.set(F::DureeH, HoursForRecord(QString::number(film.minutes / 60), QLocale::c()));
        record.set(F::DureeMin, QStringLiteral("%1").arg(film.minutes % 60, 2, 10, QLatin1Char('0')));
    } else if (film.minutes != 0) {
        fitter.note(QStringLiteral("Durée de %1 min ignorée").arg(film.minutes));
    }

    record.set(F::Type, Type(fitter, film.genres));
    record.set(F::Realisateur, Directors(fitter, film.directors));
    record.set(F::Acteurs, Actors(fitter, film.cast));
    record.set(F::Resume, Summary(fitter, film.summary));
    return std::move(fitter.fitted);
}
