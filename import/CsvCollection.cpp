#include "import/CsvCollection.h"

#include "import/CollectionText.h"
#include "import/XmlCollection.h"

#include <QHash>
#include <QStringDecoder>

#include <optional>

namespace {

enum class Column { Title, OriginalTitle, Year, Duration, Hours, Minutes, Type, Director, Actors, Summary };

// Header names without case or accents.
const QHash<QString, Column> &ColumnNames()
{
    static const QHash<QString, Column> names{
        {"titre", Column::Title},
        {"title", Column::Title},
        {"titre original", Column::OriginalTitle},
        {"original title", Column::OriginalTitle},
        {"annee", Column::Year},
        {"year", Column::Year},
        {"duree", Column::Duration},
        {"running time", Column::Duration},
        {"length", Column::Duration},
        {"runtime", Column::Duration},
        {"heures", Column::Hours},
        {"minutes", Column::Minutes},
        {"type", Column::Type},
        {"genre", Column::Type},
        {"realisateur", Column::Director},
        {"director", Column::Director},
        {"acteurs", Column::Actors},
        {"actors", Column::Actors},
        {"cast", Column::Actors},
        {"resume", Column::Summary},
        {"summary", Column::Summary},
        {"plot", Column::Summary},
        {"description", Column::Summary},
        {"synopsis", Column::Summary},
    };
    return names;
}

std::optional<Column> ColumnNamed(const QString &header)
{
    QString plain;
    for (QChar c : header.trimmed().toLower().normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            plain += c;
    const auto found = ColumnNames().constFind(plain);
    return found == ColumnNames().cend() ? std::nullopt : std::optional(*found);
}

QString DecodeCsv(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QStringDecoder("windows-1252").decode(bytes);
}

// RFC 4180 records, one field at a time; a quote left open is an error.
class CsvRecords
{
public:
    CsvRecords(const QString &text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    QString error() const { return m_error; }

    QStringList next()
    {
        QStringList fields;
        QString field;
        bool quoted = false;
        const qsizetype line = m_line, column = m_at - m_lineStart + 1;
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at++);
            if (quoted) {
                if (c == u'"' && m_at < m_text.size() && m_text.at(m_at) == u'"') {
                    field += c;
                    ++m_at;
                } else if (c == u'"') {
                    quoted = false;
                } else {
                    field += c;
                    countLine(c);
                }
            } else if (c == u'"') {
                quoted = true;
            } else if (c == m_separator) {
                fields << field;
                field.clear();
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && m_at < m_text.size() && m_text.at(m_at) == u'\n')
                    ++m_at;
                countLine(u'\n');
                break;
            } else {
                field += c;
            }
        }
        if (quoted)
            m_error = QStringLiteral("Fichier endommagé à la ligne %1, colonne %2 : guillemet jamais fermé")
                          .arg(line)
                          .arg(column);
        fields << field;
        return fields;
    }

private:
    void countLine(QChar c)
    {
        if (c == u'\n') {
            ++m_line;
            m_lineStart = m_at;
        }
    }

    const QString &m_text;
    QChar m_separator;
    qsizetype m_at = 0, m_line = 1, m_lineStart = 0;
    QString m_error;
};

// The separator that names more known columns in the first line.
QChar Separator(const QString &text)
{
    const QString firstLine = text.left(text.indexOf(u'\n'));
    const auto known = [&](QChar separator) {
        int count = 0;
        for (const QString &name : CsvRecords(firstLine, separator).next())
            count += ColumnNamed(name).has_value();
        return count;
    };
    return known(u';') > known(u',') ? u';' : u',';
}

struct Header
{
    QHash<int, Column> columns;
    bool hasTitle = false;
};

Header ReadHeader(CsvRecords &records)
{
    Header header;
    const QStringList names = records.next();
    for (int i = 0; i < names.size(); ++i)
        if (const std::optional<Column> column = ColumnNamed(names.at(i))) {
            header.columns.insert(i, *column);
            header.hasTitle = header.hasTitle || *column == Column::Title;
        }
    return header;
}

ImportedFilm FilmOf(const QStringList &fields, const Header &header)
{
    ImportedFilm imported;
    Film &film = imported.film;
    int hours = 0, minutes = 0;
    for (int i = 0; i < fields.size(); ++i) {
        const QString &value = fields.at(i);
        switch (header.columns.value(i, Column(-1))) {
        case Column::Title: film.title = value; break;
        case Column::OriginalTitle: film.originalTitle = value; break;
        case Column::Year: film.year = YearIn(value); break;
        case Column::Duration: film.minutes = MinutesIn(value); break;
        case Column::Hours: hours = value.trimmed().toInt(); break;
        case Column::Minutes: minutes = value.trimmed().toInt(); break;
        // A cell is one type, as typed.
        case Column::Type: film.genres = QStringList{value}; break;
        case Column::Director: film.directors = SplitNames(value); break;
        case Column::Actors: film.cast = SplitNames(value); break;
        case Column::Summary: film.summary = value; break;
        }
    }
    if (hours > 0 || minutes > 0)
        film.minutes = hours * 60 + minutes;
    return imported;
}

} // namespace

bool LooksLikeCsvCollection(const QByteArray &bytes)
{
    const QString text = DecodeCsv(bytes.left(bytes.indexOf('\n')));
    CsvRecords records(text, Separator(text));
    return ReadHeader(records).hasTitle;
}

QString ReadCsvCollection(const QByteArray &bytes, const FilmSink &films)
{
    const QString text = DecodeCsv(bytes);
    CsvRecords records(text, Separator(text));
    const Header header = ReadHeader(records);
    if (!header.hasTitle)
        return QString::fromLatin1(kUnknownFormat);
    while (!records.atEnd()) {
        const QStringList fields = records.next();
        if (!records.error().isEmpty())
            return records.error();
        if (fields.size() > 1 || !fields.first().trimmed().isEmpty())
            films(FilmOf(fields, header));
    }
    return {};
}
