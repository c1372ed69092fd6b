#include "platform/win32/win32_file_system.h"

#include <windows.h>

namespace tavrin {

void Win32FileSystem::SetCurrentFolder(const std::string& folder) {
    SetCurrentDirectoryA(folder.c_str());
}

std::string Win32FileSystem::ShortPath(const std::string& path) {
    char shortPath[MAX_PATH];
    const DWORD n = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    if (n == 0 || n >= sizeof shortPath) return "";
    return std::string(shortPath, n);
}

bool Win32FileSystem::FolderExists(const std::string& path) {
    std::string folder = ShortPath(path);
    if (folder.empty()) return false;
    // A drive root such as "C:\" is taken as its drive, "C:".
    if (folder.back() == '\\') folder.pop_back();
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

void Win32FileSystem::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

void Win32FileSystem::CopyReplacing(const std::string& from, const std::string& to) {
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

bool Win32FileSystem::CopyNew(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}

void Win32FileSystem::Move(const std::string& from, const std::string& to) {
    MoveFileA(from.c_str(), to.c_str());
}

}  // namespace tavrin
