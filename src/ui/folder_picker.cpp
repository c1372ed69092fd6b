#include "ui/folder_picker.h"

#include <shlobj.h>

namespace tavrin {

std::string ChooseFolder(HWND owner, const char* title) {
    char path[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = path;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen) return "";
    const bool named = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    return named ? path : "";
}

}  // namespace tavrin
