#include "start/OpenCatalogue.h"

#include "catalogue/CatalogueWindow.h"
#include "editor/frmMain.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"

namespace {

// Opens the card in a new editor window, whose "Catalogue..." works too.
void OpenInEditor(const QString &cardPath)
{
    auto *editor = new frmMain;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    ConnectCatalogueCommand(*editor);
    editor->openFile(cardPath);
    editor->show();
}

} // namespace

CatalogueWindow *OpenCatalogue(const QString &folder)
{
    auto *window = new CatalogueWindow(folder);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &CatalogueWindow::editRequested, window, OpenInEditor);
    window->show();
    return window;
}

void ConnectCatalogueCommand(frmMain &editor)
{
    QObject::connect(&editor, &frmMain::catalogueRequested, &editor, [&editor] {
        FileDialogRequest request;
        request.title = QStringLiteral("Dossier du catalogue");
        request.startFolder = SpecialFolderPath(SpecialFolder::Documents);
        request.choice = FileChoice::Folder;
        if (const QString folder = CurrentDesktop().chooseFile(&editor, request); !folder.isEmpty())
            OpenCatalogue(folder);
    });
}
