#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

#include <memory>

class QuaZip;
class QuaZipFile;
class CappedDevice;

// A poster's bytes as the collection gives them, or why there are none.
struct PosterBytes
{
    QByteArray bytes;
    QString problem; // French; empty when the bytes are there
};

// A collection file as the readers need it: its document (the file itself,
// or tellico.xml inside a Tellico archive, inflated as it is read and never
// written anywhere) and its pictures, found by the names the document
// gives them: inside the archive, inside the document, or beside the file.
class CollectionSource
{
public:
    enum Kind { Xml, Csv, Archive };

    explicit CollectionSource(QString path);
    ~CollectionSource();

    // Opens the file and finds its document; an empty text when it is
    // there, otherwise what the user is told.
    QString open();
    Kind kind() const { return m_kind; }
    // The document, to read once from the start.
    QIODevice &document();
    // Whether the document came out of the archive larger than allowed.
    bool documentTooLarge() const;

    // A picture that came inside the document.
    void keepImage(const QString &id, QByteArray &&bytes);
    PosterBytes poster(const QString &reference);

private:
    PosterBytes archiveEntry(const QString &name);
    PosterBytes pictureFile(const QString &path) const;

    QString m_path;
    Kind m_kind = Xml;
    QFile m_file;
    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_entry;
    std::unique_ptr<CappedDevice> m_capped;
    QHash<QString, QByteArray> m_entries; // the archive's entries, name -> position
    QHash<QString, QByteArray> m_images;  // pictures inside the document, by id
};
