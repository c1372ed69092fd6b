// The main window's part of the file menu: the common dialog that chooses
// a macro file, and what follows once another file is open.
#include "app/main_window.h"

#include "ui/file_dialog.h"

namespace tavrin {

std::string MainWindow::ChooseMacroFile(bool newFile) {
    FileDialogRequest request;
    request.filter = "Tavrin (*.ZYN)\0*.ZYN\0";
    request.title = newFile ? "New Tavrin File" : "Open Tavrin File";
    request.defaultExtension = "ZYN";
    request.forSaving = newFile;
    return ChooseFileName(hwnd_, request);
}

void MainWindow::MacroFileOpened() {
    controller_.MacroFileOpened();
    app_.remapper.OpenFor(app_.settings.CurrentFile);
    UpdateCaption();
    menu_.SetLastFiles(app_.settings.LastFile);
    RefreshMacroList();  // the recent files come back enabled, outside Browse All Mode
}

}  // namespace tavrin
