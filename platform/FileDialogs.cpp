#include "platform/FileDialogs.h"

#include "core/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// What the platform's file name buffer holds.
constexpr int kMaxInitialName = 254;

QStandardPaths::StandardLocation Location(SpecialFolder folder)
{
    switch (folder) {
    case SpecialFolder::Desktop: return QStandardPaths::DesktopLocation;
    case SpecialFolder::Documents: return QStandardPaths::DocumentsLocation;
    case SpecialFolder::Pictures: return QStandardPaths::PicturesLocation;
    }
    return QStandardPaths::HomeLocation;
}

// What a file to write is asked for with.
struct SaveKind
{
    QString title;
    QList<FileFilter> filters;
    QString extension; // proposed with the name
    QString (*complete)(const QString &chosen);
};

// The dialog in the documents folder, then "Le fichier existe déjà. Le
// remplacer ?" for an existing file, No asking again. Empty when the user
// cancelled.
QString AskTarget(QWidget *parent, const SaveKind &kind, const QString &defaultName)
{
    for (;;) {
        const QString chosen = ShowFileDialog(parent, kind.title, kind.filters, SpecialFolder::Documents,
                                              FileChoice::SaveTarget, defaultName, kind.extension);
        if (chosen.isEmpty())
            return {};
        // The question is asked for the file that will really be written,
        // extension included, so that no file is replaced unasked.
        const QString target = kind.complete(chosen);
        if (!FileExists(target)
            || ShowMessage(parent, QStringLiteral("Le fichier existe déjà. Le remplacer ?"), MessageButtons::YesNo,
                           MessageIcon::Question, Answer::Yes)
                == Answer::Yes)
            return target;
    }
}

} // namespace

QList<FileFilter> CardFilters()
{
    return {{QStringLiteral("Fichiers Fichoscope (*.fsc)"), QStringLiteral("*.fsc")},
            {QStringLiteral("Tous les fichiers (*.*)"), QStringLiteral("*.*")}};
}

QList<FileFilter> PictureFilters()
{
    return {{QStringLiteral("Fichiers Images (*.bmp, *.jpg, *.gif)"), QStringLiteral("*.bmp;*.jpg;*.gif")},
            {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp")},
            {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("*.jpg")},
            {QStringLiteral("GIF (*.gif)"), QStringLiteral("*.gif")},
            {QStringLiteral("Tous les fichiers (*.*)"), QStringLiteral("*.*")}};
}

QString SpecialFolderPath(SpecialFolder folder)
{
    const QString path = QStandardPaths::writableLocation(Location(folder));
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return {};
    return path.endsWith(u'/') ? path : path + u'/';
}

QString InitialFileName(const QString &defaultName, const QString &extension)
{
    if (defaultName.isEmpty())
        return {};
    const bool hasExtension = defaultName.endsWith(extension, Qt::CaseInsensitive);
    return (hasExtension ? defaultName : defaultName + extension).left(kMaxInitialName);
}

QString ShowFileDialog(QWidget *parent, const QString &title, const QList<FileFilter> &filters,
                       SpecialFolder startFolder, FileChoice choice, const QString &defaultName,
                       const QString &extension)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = filters;
    request.startFolder = SpecialFolderPath(startFolder);
    request.initialName = InitialFileName(defaultName, extension);
    request.choice = choice;
    return CurrentDesktop().chooseFile(parent, request).trimmed();
}

QString WithCardExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const bool hasExtension = dot >= 0 && name.size() - dot - 1 == 3;
    return hasExtension ? path : path + QStringLiteral(".fsc");
}

QString WithPdfExtension(const QString &path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

QString AskSaveTarget(QWidget *parent, const QString &defaultName)
{
    return AskTarget(parent,
                     {QString::fromUtf8(kCardDialogTitle), CardFilters(), QStringLiteral(".fsc"), WithCardExtension},
                     defaultName);
}

QString AskPdfTarget(QWidget *parent, const QString &defaultName)
{
    const QList<FileFilter> filters{{QStringLiteral("Documents PDF (*.pdf)"), QStringLiteral("*.pdf")}};
    return AskTarget(parent, {QStringLiteral("Exporter en PDF"), filters, QStringLiteral(".pdf"), WithPdfExtension},
                     defaultName);
}
