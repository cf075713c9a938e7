#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

inline constexpr char kNewCardName[] = "Nouveau";

// The card the editor holds, apart from the controls that show its texts:
// the file it lives in, whether it changed since, and its poster. A new card
// is one without a file, whatever the name of a file may be.
class CardDocument : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The card's file; empty for a card never saved nor opened.
    const QString &path() const { return m_path; }
    bool isNew() const { return m_path.isEmpty(); }
    // The name in the title bar: the file's, or "Nouveau".
    QString name() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // The poster changed since the card was opened or saved, so that saving
    // writes the whole card rather than its text part.
    bool posterChanged() const { return m_posterChanged; }
    // The picture file's bytes that writing the whole card stores as its
    // poster; empty for none.
    const QByteArray &poster() const { return m_poster; }
    // The user chose another picture, or removed the poster (empty).
    void setPoster(const QByteArray &poster);
    // Puts the opened card's poster back; false when it had none.
    bool restorePoster();

    // An empty card that has never been saved.
    void startNew();
    // The card read from the file, with its poster's bytes.
    void opened(const QString &path, const QByteArray &poster);
    // The card now lives in the file written, its poster part of it.
    void saved(const QString &path);

signals:
    // The card's file changed, and with it its name; it is unmodified.
    void fileChanged();

private:
    void takeFile(const QString &path);

    QString m_path;
    bool m_modified = false;
    bool m_posterChanged = false;
    QByteArray m_poster;
    QByteArray m_openedPoster; // kept from Open for Reset
};
