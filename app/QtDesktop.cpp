#include "app/QtDesktop.h"

#include "app/WorkFolder.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

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
             : offered == MessageButtons::Ok    ? Answer::Ok
                                                : Answer::Cancel;
    }
}

// Qt takes the patterns from the parentheses that end the filter text, split
// at spaces; the label's own list of patterns is replaced by the real one.
QString ToQt(const FileFilter &filter)
{
    QString label = filter.label;
    label.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
    QString patterns = filter.patterns;
    patterns.replace(u';', u' ');
    return label + QStringLiteral(" (") + patterns + u')';
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
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter &filter : request.filters)
        filters << ToQt(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void QtDesktop::endProgram(int exitCode)
{
    // At once, as the program's rule for a missing or foreign card asks: no
    // window gets its close handling. The work folders would outlive an
    // exit that skips all clean-up.
    RemoveOwnWorkFolders();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
