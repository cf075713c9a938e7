#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

inline constexpr char kNewCardName[] = "Nouveau";

// The card the editor holds, whole: its texts as the card stores them, its
// poster's bytes, the file it lives in and whether it changed since. The
// editor's controls show it and write each edit into it.
class CardDocument : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const CardRecord &record() const { return m_record; }
    // A field as stored, its padding left out.
    QString field(CardRecord::Field field) const;
    // One edit: the field's text as stored. The card is then modified.
    void setField(CardRecord::Field field, const QString &stored);
    // A fill from the web: the texts and, with `takePoster`, the poster, all
    // at once.
    void fill(const CardRecord &record, bool takePoster, const QByteArray &poster);

    // The card's file; empty for a card never saved nor opened.
    const QString &path() const { return m_path; }
    bool isNew() const { return m_path.isEmpty(); }
    // The name in the title bar: the file's, or "Nouveau".
    QString name() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // The picture file's bytes that writing the whole card stores as its
    // poster; empty for none.
    const QByteArray &poster() const { return m_poster; }
    // The user chose another picture, or removed the poster (empty).
    void setPoster(const QByteArray &poster);
    // Puts the opened card's poster back; false when it had none.
    bool restorePoster();

    // An empty card that has never been saved.
    void startNew();
    // Reads the card whole; on failure the document stays as it was.
    IoStatus open(const QString &path);
    // Writes the card to its own file: its text part alone while the poster
    // is unchanged and the file is as it was read, otherwise whole.
    IoStatus save();
    // Writes the card at the path, which it then lives in.
    IoStatus saveAs(const QString &path);

    // The card's file was changed or removed by someone else since it was
    // read or written here: its size, its time or its text part differ.
    bool changedOnDisk() const;

signals:
    // The texts or the poster were replaced as a whole (open, new, a fill):
    // every control shows them again.
    void replaced();
    void modifiedChanged(bool modified);
    // The card's file changed, and with it its name.
    void fileChanged();

private:
    // What the file looked like when this document last read or wrote it.
    struct DiskStamp
    {
        qint64 size = -1;
        QDateTime modified;
        QByteArray header;
        friend bool operator==(const DiskStamp &, const DiskStamp &) = default;
    };
    static DiskStamp stampOf(const QString &path);
    void replacePoster(const QByteArray &poster);
    IoStatus concludeWrite(const QString &path, IoStatus status);
    void takeFile(const QString &path);

    CardRecord m_record;
    QString m_path;
    bool m_modified = false;
    bool m_posterChanged = false;
    // The file holds a poster too large to be read: it stays there.
    bool m_posterLeftInFile = false;
    QByteArray m_poster;
    QByteArray m_openedPoster; // kept from Open for Reset
    DiskStamp m_stamp;
};
