#include "app/desktop_link_file.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace tavrin {

bool SaveShellLink(const ShellLinkFields& fields, const std::string& linkPath) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    bool ok = SUCCEEDED(link->SetPath(fields.target.c_str())) &&
              SUCCEEDED(link->SetArguments(fields.arguments.c_str())) &&
              SUCCEEDED(link->SetWorkingDirectory(fields.folder.c_str())) &&
              SUCCEEDED(link->SetIconLocation(fields.iconFile.c_str(), 0));
    IPersistFile* file = nullptr;
    if (ok && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const int size = MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, nullptr, 0);
        std::wstring wide(size > 0 ? size : 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, &wide[0], size);
        ok = SUCCEEDED(file->Save(wide.c_str(), TRUE));
        file->Release();
    } else {
        ok = false;
    }
    link->Release();
    // A save that reported success but left no file is a failure too.
    return ok && GetFileAttributesA(linkPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string DesktopFolder() {
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (RegGetValueA(HKEY_CURRENT_USER,
                     "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "Desktop", RRF_RT_REG_SZ, nullptr, path, &size) == ERROR_SUCCESS &&
        path[0] != '\0')
        return path;
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path))) return path;
    return "";
}

}  // namespace tavrin
