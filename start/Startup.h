#pragma once

#include <QString>
#include <QStringList>

// The text after the program's name on its command line, all arguments
// together, unsplit.
QString CommandLineText();

// Arguments already split by a shell put together again as that text: joined
// by spaces, an empty argument written as the two quotes that made it.
QString JoinedArguments(const QStringList &arguments);

// Shows the face the command line asks for: the editor for an empty text,
// otherwise, quotes removed, the catalogue of the folder it names or the
// card it names in the viewer. Returns once the window is shown; false when
// none could be, and start-up then ends the program.
bool Main(const QString &commandLine);
