#include "ui/file_dialog.h"

#include <commdlg.h>

namespace tavrin {

std::string ChooseFileName(HWND owner, const FileDialogRequest& request) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = request.initialFolder;
    ofn.lpstrTitle = request.title;
    ofn.lpstrDefExt = request.defaultExtension;
    ofn.Flags = OFN_HIDEREADONLY | (request.forSaving ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST) |
                (request.keepFolder ? OFN_NOCHANGEDIR : 0);
    const BOOL chosen = request.forSaving ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    return chosen ? path : "";
}

}  // namespace tavrin
