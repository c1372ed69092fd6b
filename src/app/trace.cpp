#include "app/trace.h"

#include <windows.h>

#include <psapi.h>

namespace tavrin {

void Trace(const std::string& line) {
    static char path[MAX_PATH];
    static const DWORD length = GetEnvironmentVariableA("TAVRIN_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HANDLE h = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

void TraceWorkingSet() {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    Trace("idle working set " + std::to_string(memory.WorkingSetSize / 1024) + " KB");
}

}  // namespace tavrin
