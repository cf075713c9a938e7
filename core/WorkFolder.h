#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Short-lived hidden folders for the files the program writes for itself
// (the card it previews), with their fixed file names.

enum class NameOrder : quint8 { DateFirst = 0, TimeFirst = 1 };

inline constexpr char kPreviewFileName[] = "Preview.fsc";
// Written by earlier versions, which put cards together in their folders;
// removed with the folders they left.
inline constexpr char kInfoFileName[] = "fsc_inf.tmp";
inline constexpr char kPosterFileName[] = "fsc_img.tmp";

// "$" and the date and time in hexadecimal, e.g. "$4E27EA144C1" for
// 5 December 2026, 08:31:37 in the French formats. Built from the digits of
// the locale's short date and its time, whatever their separators.
QString WorkFolderName(const QDateTime &when, const QLocale &locale, NameOrder order);

// Where work folders go: the program's own folder when it can be written,
// otherwise the user's cache folder for Fichoscope, which may not exist yet.
QString WorkFolderParent();

// Makes a new, hidden work folder and returns its path without a trailing
// separator. The name is never shared: when it is taken, "-2", "-3", ... is
// added. Returns an empty text when no folder could be made. The folder is
// locked until it is removed, so that other runs leave it alone.
QString CreateWorkFolder(NameOrder order, const QString &parent = WorkFolderParent());

// Deletes the fixed files of the folder, releases its lock and removes it;
// a folder holding any other file stays. Errors are ignored.
void RemoveWorkFolder(const QString &folder);

// Removes every work folder this process has made and not yet removed.
void RemoveOwnWorkFolders();

// Removes the work folders left in parent by runs that ended without
// removing them (killed, crashed). A folder whose program still runs, a
// folder without a lock mark and anything not named as a work folder stay.
void RemoveAbandonedWorkFolders(const QString &parent = WorkFolderParent());

// folder + "/" + name.
QString WorkFile(const QString &folder, const char *name);

// A work folder for the time of one operation, as QTemporaryDir is: made at
// once and removed, with the files the program put in it, when it goes out
// of scope.
class TemporaryWorkFolder
{
public:
    explicit TemporaryWorkFolder(NameOrder order)
        : m_path(CreateWorkFolder(order))
    {
    }
    ~TemporaryWorkFolder() { RemoveWorkFolder(m_path); }
    TemporaryWorkFolder(const TemporaryWorkFolder &) = delete;
    TemporaryWorkFolder &operator=(const TemporaryWorkFolder &) = delete;

    // False when no folder could be made.
    bool isValid() const { return !m_path.isEmpty(); }
    QString filePath(const char *name) const { return WorkFile(m_path, name); }

private:
    const QString m_path;
};
