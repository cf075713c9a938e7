#include "core/WorkFolder.h"

#include "core/Clock.h"
#include "core/Files.h"
#include "core/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <map>
#include <memory>

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

// Not empty, and only characters from that set.
bool MadeOf(QStringView text, QStringView allowed)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [allowed](QChar c) { return allowed.contains(c); });
}

// A name this program gives its work folders: the hidden prefix, "$", the
// stamp in capital hexadecimal, and maybe "-" and a number. Checked by hand:
// a regular expression would be compiled at every start for this one check.
bool IsWorkFolderName(QStringView name)
{
    const QLatin1String prefix(kHiddenPrefix);
    if (!name.startsWith(prefix) || !name.sliced(prefix.size()).startsWith(u'$'))
        return false;
    const QStringView stamp = name.sliced(prefix.size() + 1);
    const qsizetype dash = stamp.indexOf(u'-');
    if (dash < 0)
        return MadeOf(stamp, u"0123456789ABCDEF");
    return MadeOf(stamp.first(dash), u"0123456789ABCDEF") && MadeOf(stamp.sliced(dash + 1), u"0123456789");
}

// The folders this process has made and not removed, each with its lock.
// Never destroyed: a folder still held when the process ends keeps its
// mark, and the next start finds it abandoned.
std::map<QString, std::unique_ptr<FolderLock>> &HeldFolders()
{
    static auto *held = new std::map<QString, std::unique_ptr<FolderLock>>;
    return *held;
}

void Hide([[maybe_unused]] const QString &path)
{
#ifdef Q_OS_WIN
    SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), FILE_ATTRIBUTE_HIDDEN);
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/fichoscope");
}

QString CreateWorkFolder(NameOrder order, const QString &parentPath)
{
    // Made when first needed: a start that only clears old folders makes none.
    QDir().mkpath(parentPath);
    const QDir parent(parentPath);
    const QString name = kHiddenPrefix + WorkFolderName(CurrentClock().now(), QLocale::system(), order);
    for (int n = 1; n <= kMaxSuffix; ++n) {
        const QString candidate = n == 1 ? name : name + u'-' + QString::number(n);
        // mkdir fails when the name is taken: the folder is ours alone.
        if (parent.mkdir(candidate)) {
            const QString path = parent.filePath(candidate);
            Hide(path);
            // A folder of ours of that name was removed by someone else:
            // its lock goes before the new one is taken.
            HeldFolders().erase(path);
            HeldFolders()[path] = std::make_unique<FolderLock>(path);
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
    HeldFolders().erase(folder); // its mark goes with the lock
    QDir().rmdir(folder);
}

void RemoveOwnWorkFolders()
{
    while (!HeldFolders().empty()) {
        const QString folder = HeldFolders().begin()->first; // a copy: removing drops the key
        RemoveWorkFolder(folder);
    }
}

void RemoveAbandonedWorkFolders(const QString &parent)
{
    const QDir folders(parent);
    // One listing of the parent, which holds little besides the program; no
    // name filter, which Qt would turn into a regular expression.
    const QStringList names = folders.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!IsWorkFolderName(name))
            continue;
        const QString folder = folders.filePath(name);
        // A folder without a mark is being made right now, or was made by a
        // version that did not mark its folders: nothing tells that its
        // program has ended.
        if (FolderLock::takeOverAbandoned(folder))
            RemoveWorkFolder(folder);
    }
}

QString WorkFile(const QString &folder, const char *name)
{
    return folder + u'/' + QLatin1String(name);
}
