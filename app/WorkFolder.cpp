#include "app/WorkFolder.h"

#include "app/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Folders are hidden by a leading dot where that is what hidden means.
#ifdef Q_OS_WIN
constexpr char kHiddenPrefix[] = "";
#else
constexpr char kHiddenPrefix[] = ".";
#endif

constexpr int kMaxSuffix = 10000;

// The date or time written by the locale's pattern, reduced to its digits
// and read as one decimal number, in capital hexadecimal. Month and day names
// are written as numbers and time zones left out, so that only digits count.
QString HexOfDigits(const QString &written, const QString &fallback)
{
    QString digits;
    for (const QChar c : written)
        if (c >= u'0' && c <= u'9')
            digits += c;
    if (digits.isEmpty())
        digits = fallback;
    // An absurdly long pattern cannot overflow the number.
    const qulonglong value = digits.right(18).toULongLong();
    return QString::number(value, 16).toUpper();
}

QString DatePart(const QDate &date, const QLocale &locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    pattern.replace(QRegularExpression(QStringLiteral("M{3,}")), QStringLiteral("MM"));
    pattern.remove(QRegularExpression(QStringLiteral("d{3,}")));
    return HexOfDigits(QLocale::c().toString(date, pattern), date.toString(u"yyyyMMdd"));
}

QString TimePart(const QTime &time, const QLocale &locale)
{
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    pattern.remove(QRegularExpression(QStringLiteral("t+")));
    return HexOfDigits(QLocale::c().toString(time, pattern), time.toString(u"HHmmss"));
}

void Hide([[maybe_unused]] const QString &path)
{
#ifdef Q_OS_WIN
    SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                       FILE_ATTRIBUTE_HIDDEN);
#endif
}

} // namespace

QString WorkFolderName(const QDateTime &when, const QLocale &locale, NameOrder order)
{
    const QString date = DatePart(when.date(), locale);
    const QString time = TimePart(when.time(), locale);
    return u'$' + (order == NameOrder::DateFirst ? date + time : time + date);
}

QString WorkFolderParent()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                          + QStringLiteral("/fichoscope");
    QDir().mkpath(cache);
    return cache;
}

QString CreateWorkFolder(NameOrder order)
{
    const QDir parent(WorkFolderParent());
    const QString name = kHiddenPrefix
                         + WorkFolderName(currentClock().now(), QLocale::system(), order);
    for (int n = 1; n <= kMaxSuffix; ++n) {
        const QString candidate = n == 1 ? name : name + u'-' + QString::number(n);
        // mkdir fails when the name is taken: the folder is ours alone.
        if (parent.mkdir(candidate)) {
            const QString path = parent.filePath(candidate);
            Hide(path);
            return path;
        }
        if (!parent.exists(candidate))
            break; // the parent cannot be written
    }
    return {};
}

void RemoveWorkFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    for (const char *name : {kInfoFileName, kPosterFileName, kPreviewFileName}) {
        const QString file = WorkFile(folder, name);
        if (FileExists(file))
            QFile::remove(file);
    }
    QDir().rmdir(folder);
}

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString WorkFile(const QString &folder, const char *name)
{
    return folder + u'/' + QLatin1String(name);
}
