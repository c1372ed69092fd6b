#include "ui/program_folder.h"

#include <windows.h>

namespace tavrin {

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, n);
    const size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

}  // namespace tavrin
