#include "import/CollectionSource.h"

#include "import/CappedDevice.h"
#include "import/CsvCollection.h"
#include "import/ImportLimits.h"
#include "import/XmlCollection.h"
#include "poster/ImageLimits.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

#include <quazip.h>
#include <quazipfile.h>
#include <unzip.h>

namespace {

constexpr char kTellicoDocument[] = "tellico.xml";

QString CannotRead(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossible de lire « %1 » : %2").arg(QDir::toNativeSeparators(path), reason);
}

QByteArray PositionBytes(const unz64_file_pos &position)
{
    return QByteArray(reinterpret_cast<const char *>(&position), sizeof position);
}

QString TooLarge(const QString &name)
{
    return QStringLiteral("affiche de plus de %1 Mo refusée : %2").arg(kMaxPictureFileBytes >> 20).arg(name);
}

} // namespace

CollectionSource::CollectionSource(QString path)
    : m_path(std::move(path))
    , m_file(m_path)
{
}

CollectionSource::~CollectionSource() = default;

QString CollectionSource::open()
{
    if (QFileInfo(m_path).isDir() || !m_file.open(QIODevice::ReadOnly))
        return CannotRead(m_path,
                          QFileInfo::exists(m_path) ? m_file.errorString() : QStringLiteral("fichier introuvable"));
    const QByteArray head = m_file.peek(4096);
    if (head.startsWith("PK\x03\x04")) {
        m_kind = Archive;
        m_zip = std::make_unique<QuaZip>(&m_file);
        if (!m_zip->open(QuaZip::mdUnzip))
            return QStringLiteral("Archive endommagée");
        // One pass over the archive's directory, so that each picture is
        // then reached directly rather than by a search from the start.
        for (bool more = m_zip->goToFirstFile(); more; more = m_zip->goToNextFile()) {
            unz64_file_pos position;
            if (unzGetFilePos64(m_zip->getUnzFile(), &position) == UNZ_OK)
                m_entries.insert(m_zip->getCurrentFileName(), PositionBytes(position));
        }
        if (m_zip->getZipError() != UNZ_OK && m_zip->getZipError() != UNZ_END_OF_LIST_OF_FILE)
            return QStringLiteral("Archive endommagée");
        if (!m_entries.contains(QString::fromLatin1(kTellicoDocument)))
            return QString::fromLatin1(kUnknownFormat);
        m_zip->setCurrentFile(QString::fromLatin1(kTellicoDocument));
        m_entry = std::make_unique<QuaZipFile>(m_zip.get());
        if (!m_entry->open(QIODevice::ReadOnly))
            return QStringLiteral("Archive endommagée");
        m_capped = std::make_unique<CappedDevice>(*m_entry, kMaxArchiveEntryBytes);
        return {};
    }
    const QByteArray text = head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head;
    if (text.trimmed().startsWith('<'))
        m_kind = Xml;
    else if (LooksLikeCsvCollection(text))
        m_kind = Csv;
    else
        return QString::fromLatin1(kUnknownFormat);
    return {};
}

QIODevice &CollectionSource::document()
{
    return m_capped ? static_cast<QIODevice &>(*m_capped) : m_file;
}

bool CollectionSource::documentTooLarge() const
{
    return m_capped && m_capped->passedLimit();
}

void CollectionSource::keepImage(const QString &id, QByteArray &&bytes)
{
    m_images.insert(id, std::move(bytes));
}

PosterBytes CollectionSource::poster(const QString &reference)
{
    if (const auto image = m_images.constFind(reference); image != m_images.cend())
        return image->isEmpty() ? PosterBytes{{}, TooLarge(reference)} : PosterBytes{*image, {}};
    if (m_zip)
        return archiveEntry(QStringLiteral("images/") + reference);
    // Paths written on Windows use backslashes.
    const QString path = QString(reference).replace(u'\\', u'/');
    const QFileInfo collection(m_path);
    if (QFileInfo(path).isAbsolute())
        return pictureFile(path);
    const QDir beside = collection.dir();
    // Tellico keeps the pictures of a bare document in a folder named after it.
    for (const QString &candidate :
         {collection.completeBaseName() + QStringLiteral("_files/") + path, QStringLiteral("images/") + path})
        if (m_kind == Xml && QFileInfo::exists(beside.filePath(candidate)))
            return pictureFile(beside.filePath(candidate));
    return pictureFile(beside.filePath(path));
}

PosterBytes CollectionSource::archiveEntry(const QString &name)
{
    const auto found = m_entries.constFind(name);
    if (found == m_entries.cend())
        return {{}, QStringLiteral("affiche absente de l'archive : %1").arg(name)};
    unz64_file_pos position;
    std::memcpy(&position, found->constData(), sizeof position);
    if (m_entry->isOpen())
        m_entry->close(); // the archive reads one entry at a time
    QuaZipFile entry(m_zip.get());
    if (unzGoToFilePos64(m_zip->getUnzFile(), &position) != UNZ_OK || !entry.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("affiche illisible dans l'archive : %1").arg(name)};
    const std::optional<QByteArray> bytes = ReadAtMost(entry, kMaxPictureFileBytes);
    if (!bytes)
        return {{}, TooLarge(name)};
    return {*bytes, {}};
}

PosterBytes CollectionSource::pictureFile(const QString &path) const
{
    QFile file(path);
    if (!file.exists())
        return {{}, QStringLiteral("affiche introuvable : %1").arg(QDir::toNativeSeparators(path))};
    if (file.size() > kMaxPictureFileBytes)
        return {{}, TooLarge(QDir::toNativeSeparators(path))};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, CannotRead(path, file.errorString())};
    const std::optional<QByteArray> bytes = ReadAtMost(file, kMaxPictureFileBytes);
    if (!bytes)
        return {{}, CannotRead(path, file.errorString())};
    return {*bytes, {}};
}
