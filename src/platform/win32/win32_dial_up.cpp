#include "platform/win32/win32_dial_up.h"

#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <vector>

namespace tavrin {

namespace {

using RasDialFn = DWORD(WINAPI*)(LPRASDIALEXTENSIONS, LPCSTR, LPRASDIALPARAMSA, DWORD, LPVOID,
                                 LPHRASCONN);
using RasHangUpFn = DWORD(WINAPI*)(HRASCONN);
using RasEnumConnectionsFn = DWORD(WINAPI*)(LPRASCONNA, LPDWORD, LPDWORD);
using RasEnumEntriesFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, LPRASENTRYNAMEA, LPDWORD, LPDWORD);
using RasGetEntryDialParamsFn = DWORD(WINAPI*)(LPCSTR, LPRASDIALPARAMSA, LPBOOL);

constexpr DWORD kMaxConnections = 100;

template <size_t N>
void CopyField(char (&field)[N], const std::string& text) {
    lstrcpynA(field, text.c_str(), static_cast<int>(N));
}

template <typename Fn>
Fn Find(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

struct Win32DialUp::Library {
    HMODULE module = nullptr;
    RasDialFn dial = nullptr;
    RasHangUpFn hangUp = nullptr;
    RasEnumConnectionsFn enumConnections = nullptr;
    RasEnumEntriesFn enumEntries = nullptr;
    RasGetEntryDialParamsFn entryDialParams = nullptr;
};

Win32DialUp::Win32DialUp() : library_(new Library) {
    Library& l = *library_;
    l.module = LoadLibraryA("rasapi32.dll");
    if (!l.module) return;
    l.dial = Find<RasDialFn>(l.module, "RasDialA");
    l.hangUp = Find<RasHangUpFn>(l.module, "RasHangUpA");
    l.enumConnections = Find<RasEnumConnectionsFn>(l.module, "RasEnumConnectionsA");
    l.enumEntries = Find<RasEnumEntriesFn>(l.module, "RasEnumEntriesA");
    l.entryDialParams = Find<RasGetEntryDialParamsFn>(l.module, "RasGetEntryDialParamsA");
}

Win32DialUp::~Win32DialUp() {
    if (library_->module) FreeLibrary(library_->module);
}

bool Win32DialUp::Available() {
    const Library& l = *library_;
    return l.module && l.dial && l.hangUp && l.enumConnections;
}

uint32_t Win32DialUp::Dial(const std::string& entry, const std::string& user,
                           const std::string& password, DialConnection& connection) {
    RASDIALPARAMSA params{};
    params.dwSize = sizeof params;
    CopyField(params.szEntryName, entry);
    CopyField(params.szUserName, user);
    CopyField(params.szPassword, password);
    HRASCONN handle = nullptr;
    const HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // Without a notifier the call returns when the line is up or has failed.
    const DWORD result = library_->dial(nullptr, nullptr, &params, 0, nullptr, &handle);
    SetCursor(cursor);
    SecureZeroMemory(params.szPassword, sizeof params.szPassword);
    connection = reinterpret_cast<uintptr_t>(handle);
    return result;
}

bool Win32DialUp::Connections(std::vector<DialConnection>& connections) {
    connections.clear();
    std::vector<RASCONNA> list(kMaxConnections);
    list[0].dwSize = sizeof(RASCONNA);
    DWORD size = sizeof(RASCONNA) * kMaxConnections;
    DWORD count = 0;
    if (library_->enumConnections(list.data(), &size, &count) != 0) return false;
    for (DWORD k = 0; k < count && k < kMaxConnections; ++k)
        connections.push_back(reinterpret_cast<uintptr_t>(list[k].hrasconn));
    return true;
}

uint32_t Win32DialUp::HangUp(DialConnection connection) {
    return library_->hangUp(reinterpret_cast<HRASCONN>(static_cast<uintptr_t>(connection)));
}

std::vector<std::string> Win32DialUp::EntryNames() {
    std::vector<std::string> names;
    if (!library_->enumEntries) return names;
    std::vector<RASENTRYNAMEA> entries(1);
    entries[0].dwSize = sizeof(RASENTRYNAMEA);
    DWORD size = sizeof(RASENTRYNAMEA);
    DWORD count = 0;
    DWORD result = library_->enumEntries(nullptr, nullptr, entries.data(), &size, &count);
    if (result == ERROR_BUFFER_TOO_SMALL) {
        entries.resize(size / sizeof(RASENTRYNAMEA) + 1);
        entries[0].dwSize = sizeof(RASENTRYNAMEA);
        size = static_cast<DWORD>(entries.size() * sizeof(RASENTRYNAMEA));
        result = library_->enumEntries(nullptr, nullptr, entries.data(), &size, &count);
    }
    if (result != 0) return names;
    for (DWORD k = 0; k < count && k < entries.size(); ++k) names.push_back(entries[k].szEntryName);
    return names;
}

bool Win32DialUp::StoredLogon(const std::string& entry, std::string& user,
                              std::string& password) {
    if (!library_->entryDialParams) return false;
    RASDIALPARAMSA params{};
    params.dwSize = sizeof params;
    CopyField(params.szEntryName, entry);
    BOOL stored = FALSE;
    if (library_->entryDialParams(nullptr, &params, &stored) != 0) return false;
    user = params.szUserName;
    if (stored) password = params.szPassword;
    SecureZeroMemory(params.szPassword, sizeof params.szPassword);
    return true;
}

}  // namespace tavrin
