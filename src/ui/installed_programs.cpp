#include "ui/installed_programs.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "forms/installed_programs_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/installed_programs_dialog.h"

namespace tavrin {
namespace {

constexpr char kShellFolders[] = "\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string RegistryFolder(HKEY root, const std::string& key, const char* value) {
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (RegGetValueA(root, key.c_str(), value, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return "";
    return path;
}

// The path a shortcut points at; empty when it cannot be read.
std::string TargetOf(IShellLinkA& link, const std::string& shortcut) {
    IPersistFile* file = nullptr;
    if (FAILED(link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return "";
    const int size = MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? size : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, &wide[0], size);
    char target[MAX_PATH] = "";
    const bool ok = SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                    SUCCEEDED(link.GetPath(target, MAX_PATH, nullptr, 0));
    file->Release();
    return ok ? target : "";
}

// Every shortcut of folder and its sub-folders, with its target.
void FindShortcuts(IShellLinkA& link, const std::string& folder, std::vector<Shortcut>& found) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        const std::string path = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != "." && name != "..") FindShortcuts(link, path, found);
        } else if (IsShortcutName(name)) {
            found.push_back({path, TargetOf(link, path)});
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::vector<InstalledProgram> GatherPrograms() {
    const HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const HRESULT com = CoInitialize(nullptr);
    std::vector<Shortcut> shortcuts;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IShellLinkA, reinterpret_cast<void**>(&link)))) {
        for (const std::string& folder :
             {RegistryFolder(HKEY_CURRENT_USER, std::string("Software") + kShellFolders,
                             "Start Menu"),
              RegistryFolder(HKEY_LOCAL_MACHINE, std::string("SOFTWARE") + kShellFolders,
                             "Common Start Menu")})
            if (!folder.empty()) FindShortcuts(*link, folder, shortcuts);
        link->Release();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    Win32FileSystem files;
    std::vector<InstalledProgram> programs = InstalledProgramsOf(shortcuts, files);
    SetCursor(cursor);
    return programs;
}

}  // namespace

std::string ChooseInstalledProgram(HWND owner) {
    static const std::vector<InstalledProgram> programs = GatherPrograms();
    InstalledProgramsDialog dialog(programs);
    dialog.Create(owner);
    return dialog.ResultText();
}

}  // namespace tavrin
