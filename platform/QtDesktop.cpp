#include "platform/QtDesktop.h"

#include "platform/DefaultApplication.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

namespace {

QMessageBox::StandardButton ToQt(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Answer FromQt(int button, MessageButtons offered)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default:
        // Closing the box by its title bar or Escape.
        return offered == MessageButtons::YesNo ? Answer::No
            : offered == MessageButtons::Ok     ? Answer::Ok
                                                : Answer::Cancel;
    }
}

// Qt takes the patterns from the parentheses that end the filter text, split
// at spaces; the label's own list of patterns is replaced by the real one.
// "*.*" names every file, as on the platform the cards come from, where Qt's
// "*.*" would pass over the names without a dot.
QString ToQt(const FileFilter &filter)
{
    QString label = filter.label;
    label.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
    QStringList patterns = filter.patterns.split(u';');
    patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")), QStringLiteral("*"));
    return label + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

// The list of filters shows the labels as they are written.
void ShowLabels(QFileDialog &dialog, const QList<FileFilter> &filters)
{
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    for (qsizetype i = 0; types && i < filters.size() && i < types->count(); ++i)
        types->setItemText(int(i), filters.at(i).label);
}

// Qt's dialog keeps its history, last folder and view in the user's
// "QtProject" settings. The program keeps no settings: those are sent to a
// path that cannot be made, so that nothing is read or written.
void KeepNoDialogSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

} // namespace

Answer QtDesktop::showMessage(QWidget *parent, const MessageRequest &request)
{
    QString text = request.text;
    text.replace(u'\r', u'\n'); // our lines are joined by CR; Qt breaks on LF
    QMessageBox box(ToQt(request.icon), request.title, text, ToQt(request.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(ToQt(request.defaultButton));
    return FromQt(box.exec(), request.buttons);
}

QString QtDesktop::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    // Qt's own dialog on every desktop: the native ones differ in what a save
    // prompt accepts and in how they read the filters. Asked of the whole
    // program, as a dialog makes its native counterpart as soon as it is built.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    KeepNoDialogSettings();
    QFileDialog dialog(parent, request.title, request.startFolder);
    const bool save = request.choice == FileChoice::SaveTarget;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save                                       ? QFileDialog::AnyFile
                           : request.choice == FileChoice::Folder ? QFileDialog::Directory
                                                                  : QFileDialog::ExistingFile);
    // The overwrite question and the extension are the program's own; the
    // dialog adds no suffix.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter &filter : request.filters)
        filters << ToQt(filter);
    dialog.setNameFilters(filters); // selects the first
    ShowLabels(dialog, request.filters);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return OpenWithDefaultApplication(url);
}
