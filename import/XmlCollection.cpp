#include "import/XmlCollection.h"

#include "import/CollectionText.h"
#include "import/ImportLimits.h"
#include "poster/ImageLimits.h"

#include <QXmlStreamReader>

namespace {

// Base64 text of a picture past the limit once decoded.
constexpr qint64 kMaxBase64Bytes = kMaxPictureFileBytes / 3 * 4 + 4;

// The texts an element holds: the first text of each child ("<genres>
// <genre>Drame</genre>", "<casts><cast><column>Anne</column><column>Rôle"
// gives "Anne"), or its own text when it has no child with text.
QStringList ReadValues(QXmlStreamReader &xml)
{
    QStringList values;
    QString own, leaf;
    bool taken = false;
    for (int depth = 0; !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth == 1)
                taken = false;
            leaf.clear();
            break;
        case QXmlStreamReader::Characters: (depth == 0 ? own : leaf) += xml.text(); break;
        case QXmlStreamReader::EndElement:
            if (depth == 0)
                return values.isEmpty() ? QStringList{own} : values;
            if (!taken && !leaf.trimmed().isEmpty()) {
                values << leaf;
                taken = true;
            }
            leaf.clear();
            --depth;
            break;
        default: break;
        }
    }
    return values;
}

QString ReadText(QXmlStreamReader &xml)
{
    return ReadValues(xml).join(u'\n');
}

// A picture inside the document, decoded a piece at a time; past the limit
// it is dropped, and its film is told so.
void ReadImage(QXmlStreamReader &xml, const ImageSink &images)
{
    const QString id = xml.attributes().value(QLatin1String("id")).toString();
    QByteArray base64;
    bool tooLarge = false;
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::EndElement)
        if (xml.isCharacters() && !tooLarge) {
            base64 += xml.text().toLatin1();
            tooLarge = base64.size() > kMaxBase64Bytes;
        }
    if (!id.isEmpty() && !base64.trimmed().isEmpty())
        images(id, tooLarge ? QByteArray() : QByteArray::fromBase64(base64));
}

void ReadTellicoEntry(QXmlStreamReader &xml, const FilmSink &films)
{
    ImportedFilm entry;
    Film &film = entry.film;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"title")
            film.title = ReadText(xml);
        else if (name == u"year")
            film.year = YearIn(ReadText(xml));
        else if (name == u"running-time")
            film.minutes = MinutesIn(ReadText(xml));
        else if (name == u"genres" || name == u"genre")
            film.genres = ReadValues(xml);
        else if (name == u"directors" || name == u"director")
            film.directors = ReadValues(xml);
        else if (name == u"casts" || name == u"cast")
            film.cast = ReadValues(xml);
        else if (name == u"plot")
            film.summary = ReadText(xml);
        else if (name == u"cover")
            entry.poster = ReadText(xml).trimmed();
        else
            xml.skipCurrentElement();
    }
    films(std::move(entry));
}

void ReadTellico(QXmlStreamReader &xml, const FilmSink &films, const ImageSink &images)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != u"collection") {
            xml.skipCurrentElement();
            continue;
        }
        // 3: a video collection; the others hold no films.
        if (xml.attributes().value(QLatin1String("type")) != u"3") {
            xml.raiseError(QString::fromLatin1(kUnknownFormat));
            return;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == u"entry") {
                ReadTellicoEntry(xml, films);
            } else if (xml.name() == u"images") {
                while (xml.readNextStartElement())
                    xml.name() == u"image" ? ReadImage(xml, images) : xml.skipCurrentElement();
            } else {
                xml.skipCurrentElement();
            }
        }
    }
}

// The attributes that hold a film's fields, in formats that write them so.
struct FilmAttributes
{
    const char *title, *originalTitle, *year, *minutes, *genres, *directors, *actors, *summary, *poster;
};

constexpr FilmAttributes kGcstarItem{"title",    "original", "date",     "time", "genre",
                                     "director", "actors",   "synopsis", "image"};
constexpr FilmAttributes kAntMovie{"TranslatedTitle", "OriginalTitle", "Year",        "Length", "Category",
                                   "Director",        "Actors",        "Description", "Picture"};

ImportedFilm FilmOfAttributes(const QXmlStreamAttributes &attributes, const FilmAttributes &names)
{
    const auto attribute = [&](const char *name) { return attributes.value(QLatin1String(name)).toString(); };
    ImportedFilm imported;
    Film &film = imported.film;
    film.title = attribute(names.title);
    film.originalTitle = attribute(names.originalTitle);
    film.year = YearIn(attribute(names.year));
    film.minutes = MinutesIn(attribute(names.minutes));
    film.genres = SplitNames(attribute(names.genres));
    film.directors = SplitNames(attribute(names.directors));
    for (const QString &actor : SplitNames(attribute(names.actors)))
        film.cast << WithoutRole(actor);
    film.summary = attribute(names.summary);
    imported.poster = attribute(names.poster).trimmed();
    return imported;
}

void ReadGcstarItem(QXmlStreamReader &xml, const FilmSink &films)
{
    ImportedFilm item = FilmOfAttributes(xml.attributes(), kGcstarItem);
    Film &film = item.film;
    // Newer files write the lists, and some fields, as elements.
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"actors")
            film.cast = ReadValues(xml);
        else if (name == u"genre")
            film.genres = ReadValues(xml);
        else if (name == u"director")
            film.directors = ReadValues(xml);
        else if (name == u"synopsis")
            film.summary = ReadText(xml);
        else if (name == u"title")
            film.title = ReadText(xml);
        else
            xml.skipCurrentElement();
    }
    films(std::move(item));
}

void ReadGcstar(QXmlStreamReader &xml, const FilmSink &films)
{
    while (xml.readNextStartElement())
        xml.name() == u"item" ? ReadGcstarItem(xml, films) : xml.skipCurrentElement();
}

void ReadAntMovie(QXmlStreamReader &xml, const FilmSink &films)
{
    ImportedFilm movie = FilmOfAttributes(xml.attributes(), kAntMovie);
    xml.skipCurrentElement();
    films(std::move(movie));
}

// Movies lie in AntMovieCatalog/Catalog/Contents.
void ReadAntMovieCatalog(QXmlStreamReader &xml, const FilmSink &films)
{
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"Movie")
            ReadAntMovie(xml, films);
        else if (name == u"Catalog" || name == u"Contents")
            ReadAntMovieCatalog(xml, films);
        else
            xml.skipCurrentElement();
    }
}

// Up to the root element; false for a document that declares entities.
bool ReachRoot(QXmlStreamReader &xml)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty()) {
                xml.raiseError(QStringLiteral("entités"));
                return false;
            }
            break;
        case QXmlStreamReader::StartElement: return true;
        default: break;
        }
    }
    return false;
}

} // namespace

QString ReadXmlCollection(QIODevice &device, const FilmSink &films, const ImageSink &images)
{
    QXmlStreamReader xml(&device);
    if (!ReachRoot(xml)) {
        if (!xml.entityDeclarations().isEmpty())
            return QStringLiteral("Fichier refusé : il déclare des entités XML");
    } else if (xml.name() == u"tellico") {
        ReadTellico(xml, films, images);
    } else if (xml.name() == u"collection" && xml.attributes().value(QLatin1String("type")) == u"GCfilms") {
        ReadGcstar(xml, films);
    } else if (xml.name() == u"AntMovieCatalog") {
        ReadAntMovieCatalog(xml, films);
    } else {
        return QString::fromLatin1(kUnknownFormat);
    }
    // What follows the root must be well-formed too.
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.error() == QXmlStreamReader::CustomError && xml.errorString() == QString::fromLatin1(kUnknownFormat))
        return QString::fromLatin1(kUnknownFormat);
    if (xml.hasError())
        return QStringLiteral("Fichier endommagé à la ligne %1, colonne %2")
            .arg(xml.lineNumber())
            .arg(xml.columnNumber());
    return {};
}
