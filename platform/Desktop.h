#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class QWidget;

// Everything the program asks of the desktop that a test must be able to
// answer in the user's place: message boxes, the file dialog, opening a file
// or address with its default application, and ending the program at once.

inline constexpr char kAppTitle[] = "Fichoscope";

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Question, Warning, Information, Critical };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest
{
    QString text; // lines joined by a single carriage return
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    Answer defaultButton = Answer::Ok;
    QString title = QString::fromLatin1(kAppTitle);

    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

struct FileFilter
{
    QString label;    // "Fichiers Fichoscope (*.fsc)"
    QString patterns; // "*.fsc", several joined by ";"

    friend bool operator==(const FileFilter &, const FileFilter &) = default;
};

// What the chosen file is for: a file to read, which must exist, the file
// a card is saved to, which may not exist yet, or a folder to read.
enum class FileChoice { Existing, SaveTarget, Folder };

struct FileDialogRequest
{
    QString title;
    QList<FileFilter> filters; // the first one is selected
    QString startFolder;       // empty: where the desktop chooses
    QString initialName;       // proposed file name, may be empty
    FileChoice choice = FileChoice::Existing;

    friend bool operator==(const FileDialogRequest &, const FileDialogRequest &) = default;
};

class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual Answer showMessage(QWidget *parent, const MessageRequest &request) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString chooseFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // Opens a file or address with the desktop's default application; false
    // when no application takes it.
    virtual bool openUrl(const QUrl &url) = 0;
};

Desktop &CurrentDesktop();
// Null puts the real desktop back.
void SetCurrentDesktop(Desktop *replacement);

// A message box titled "Fichoscope".
Answer ShowMessage(QWidget *parent, const QString &text, MessageButtons buttons = MessageButtons::Ok,
                   MessageIcon icon = MessageIcon::None, Answer defaultButton = Answer::Ok);
