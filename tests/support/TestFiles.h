#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include <QWidget>

QByteArray ReadBytes(const QString &path);
// Writes the file whole and returns its path.
QString WriteBytes(const QString &path, const QByteArray &bytes);

// The work folders ("$..." or ".$...") lying in the program's own folder,
// where the program makes them; each test program has a folder of its own.
QStringList WorkFoldersLeft();

// The title the window system shows, the modified mark worked in.
QString ShownTitle(const QWidget &window);

// A control of the window, reached by its name as a user's tools reach it.
template <class T>
T *Named(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QString::fromLatin1(name));
}

// The top-level window of that name on screen, or null.
QWidget *ShownWindow(const char *objectName);

// Runs `act` on the modal window or pop-up menu about to be shown, then
// closes it if it is still open. A call that shows none ends the test
// program at once instead of leaving it waiting.
void WhenModal(std::function<void(QWidget *)> act);
