// The main window's file menu: new and open, and the recent files.
#include "app/main_window.h"

#include <commdlg.h>
#include "store/recent_files.h"

namespace tavrin {

namespace {

constexpr char kFilter[] = "Tavrin (*.ZYN)\0*.ZYN\0";

// A file name from the common dialog; empty when cancelled.
std::string ChooseFile(HWND owner, const char* title, bool forSaving) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = "ZYN";
    ofn.Flags = OFN_HIDEREADONLY | (forSaving ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    BOOL chosen = forSaving ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    return chosen ? path : "";
}

}  // namespace

void MainWindow::DoNew() {
    const std::string path = ChooseFile(hwnd_, "New Tavrin File", true);
    if (!path.empty()) OpenChosenFile(path);
}

void MainWindow::DoOpen() {
    const std::string path = ChooseFile(hwnd_, "Open Tavrin File", false);
    if (!path.empty()) OpenChosenFile(path);
}

// A file chosen in "New File" that exists already opens with its macros; a
// new name gets a new file with the system macros. "/F" comes this way too
// rather than straight to the store, so a name not ending in ".ZYN" is
// refused with its message and the previous file goes into the recent list,
// as when the user opens it.
void MainWindow::OpenChosenFile(const std::string& path) {
    if (path.size() < 4 || UpperCase(path.substr(path.size() - 4)) != ".ZYN") {
        app_.messages.ShowMessage("Error", "Invalid file type selected.");
        return;
    }
    OpenMacroFile(path);
}

void MainWindow::OpenMacroFile(const std::string& path) {
    const std::string previous = app_.settings.CurrentFile;
    app_.store.LoadMacroFile(path);
    DoLastFiles(app_.settings.LastFile, previous, path);
    AfterFileOpened();
}

void MainWindow::OpenSaveFile(const std::string& path) {
    if (!app_.files.Exists(path)) {
        app_.messages.ShowMessage("Error", "File does not exist.");
        return;
    }
    OpenMacroFile(path);
}

void MainWindow::MenuLastFileClick(int k) {
    // A copy: the list changes while the file opens.
    const std::string path = app_.settings.LastFile[k];
    OpenSaveFile(path);
}

void MainWindow::AfterFileOpened() {
    controller_.MacroFileOpened();
    app_.remapper.OpenFor(app_.settings.CurrentFile);
    UpdateCaption();
    RefreshMacroList();
    menu_.SetLastFiles(app_.settings.LastFile);
    ApplyBrowseMode();  // the recent files come back enabled
}

}  // namespace tavrin
