#include "import/CardFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kMaxNameBytes = 120;
constexpr char kExtension[] = ".fsc";

QString Cleaned(const QString &text)
{
    QString name;
    for (QChar c : text)
        name += c.category() == QChar::Other_Control || QStringView(u"\\/:*?\"<>|").contains(c) ? u'_' : c;
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    name = name.trimmed();
    if (name.startsWith(u'.')) // a hidden file on Linux
        name[0] = u'_';
    return reserved.match(name).hasMatch() ? name + u'_' : name;
}

// The stem cut, whole characters only, so that stem and tail fit the bytes.
QString Fitted(QString stem, const QString &tail)
{
    const qsizetype room = kMaxNameBytes - tail.toUtf8().size();
    while (stem.toUtf8().size() > room)
        stem.chop(stem.size() >= 2 && stem.at(stem.size() - 1).isLowSurrogate() ? 2 : 1);
    return stem.trimmed() + tail;
}

QString Copy(int copy)
{
    return copy > 1 ? QStringLiteral(" (%1)").arg(copy) : QString();
}

} // namespace

QString CardFileName(const QString &title, const QString &year, int copy)
{
    // The title gives way to the year and the copy's number.
    const QString yearText = year.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(Cleaned(year));
    return Fitted(Cleaned(title), yearText + Copy(copy) + QString::fromLatin1(kExtension));
}

QString FreeCardFileName(const QString &folder, const QString &title, const QString &year, QSet<QString> &taken)
{
    const QDir dir(folder);
    for (int copy = 1;; ++copy) {
        const QString name = CardFileName(title, year, copy);
        if (!taken.contains(name.toLower()) && !QFileInfo::exists(dir.filePath(name))) {
            taken.insert(name.toLower());
            return name;
        }
    }
}

QString FreeFolderName(const QString &parent, const QString &collectionPath)
{
    QString stem = Cleaned(QFileInfo(collectionPath).completeBaseName());
    if (stem.isEmpty())
        stem = QStringLiteral("Importation");
    const QDir dir(parent);
    for (int copy = 1;; ++copy) {
        const QString name = Fitted(stem, Copy(copy));
        if (!QFileInfo::exists(dir.filePath(name)))
            return name;
    }
}
