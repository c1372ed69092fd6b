#include "hooklib/process_watch.h"

#include <tlhelp32.h>

#include <algorithm>

namespace tavrin {

void ProcessWatch::Reset() {
    ids_.clear();
    Snapshot(ids_);
}

bool ProcessWatch::Changed() {
    std::vector<DWORD> now;
    if (!Snapshot(now) || now == ids_) return false;
    ids_.swap(now);
    return true;
}

bool ProcessWatch::Snapshot(std::vector<DWORD>& ids) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snap, &entry); more; more = Process32Next(snap, &entry))
        ids.push_back(entry.th32ProcessID);
    CloseHandle(snap);
    std::sort(ids.begin(), ids.end());
    return true;
}

}  // namespace tavrin
