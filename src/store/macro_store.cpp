#include "store/macro_store.h"

#include <array>
#include <utility>

#include "store/system_macros.h"

namespace tavrin {

namespace {

constexpr const char* kError = "Error";

uint64_t RecordOffset(int n) { return static_cast<uint64_t>(n - 1) * kMacroRecordSize; }

bool RecordCount(OpenFile& file, uint64_t& records) {
    uint64_t size = 0;
    if (!file.Size(size)) return false;
    records = size / kMacroRecordSize;  // a trailing fragment is ignored
    return true;
}

}  // namespace

MacroStore::MacroStore(Files& files, HookLibrary& hooks, UserMessages& messages, Clock& clock,
                       std::string programFolder, std::string& currentFile)
    : files_(files),
      hooks_(hooks),
      messages_(messages),
      clock_(clock),
      programFolder_(std::move(programFolder)),
      currentFile_(currentFile),
      nicknameOf_(kMaxMacros + 1),
      quilletOf_(kMaxMacros + 1),
      iconOf_(kMaxMacros + 1) {}

std::string MacroStore::IconPath(const std::string& iconFile) const {
    return programFolder_ + "\\Icons\\" + iconFile;
}

std::string MacroStore::ResolveIcon(const std::string& iconFile, int16_t scope) const {
    if (iconFile == "MENU" || iconFile == "MAIN") return iconFile;
    if (!iconFile.empty() && files_.Exists(IconPath(iconFile))) return iconFile;
    return scope == kScopePopupMenu ? "MENU" : "MAIN";
}

void MacroStore::SetEntry(int n, const MacroRecord& r, const std::string& icon) {
    iconOf_[n] = icon;
    nicknameOf_[n] = r.Nickname;
    quilletOf_[n] = r.QuilletName;
    table_.SetScopeOf(n, r.Scope);
    table_.SetScopeNameOf(n, r.ScopeName);  // the table keeps the first 20 characters
    table_.SetTopMostOf(n, r.TopMostOnly);
    table_.SetHotKeyOf(n, r.HotKey);
    table_.SetActiveOf(n, r.Active);
    hooks_.ZynUpItem(table_, n);
}

void MacroStore::ReportIoError() {
    messages_.ShowMessage(kError, "Input/output error on the macro file " + currentFile_ + ".");
}

void MacroStore::LoadMacroFile(const std::string& path) {
    currentFile_ = path;
    table_.SetMacroCount(0);
    std::unique_ptr<OpenFile> file = files_.Open(path, FileAccess::ReadOnly);
    if (!file) {
        // Only a file that does not exist is created; one that exists but
        // cannot be opened is never overwritten.
        if (files_.Exists(path) || !files_.Open(path, FileAccess::CreateEmpty)) {
            messages_.ShowMessage(kError, "New file could not be created.");
            hooks_.ZynUpNumKeys(table_);
            return;
        }
        EnsureSystemMacros();
        return;
    }

    uint64_t records = 0;
    bool ok = RecordCount(*file, records) && file->Seek(0);
    if (ok && records > kMaxMacros) {
        // The table holds 500; the records after them stay in the file
        // untouched and nothing is appended to such a file.
        messages_.ShowMessage("Warning", "This macro file holds " + std::to_string(records) +
                                             " macros. Only the first 500 are loaded; the "
                                             "others are kept in the file unchanged.");
        records = kMaxMacros;
    }
    std::array<uint8_t, kMacroRecordSize> bytes;
    for (uint64_t k = 0; ok && k < records; ++k) {
        if (!file->Read(bytes.data(), bytes.size())) {
            ok = false;
            break;
        }
        MacroRecord r = DecodeMacroRecord(bytes.data());
        int n = table_.MacroCount() + 1;
        table_.SetMacroCount(n);
        SetEntry(n, r, ResolveIcon(r.IconFile, r.Scope));
    }
    file.reset();
    if (!ok) ReportIoError();
    hooks_.ZynUpNumKeys(table_);
    EnsureSystemMacros();
}

void MacroStore::EnsureSystemMacros() {
    bool present[kSystemFunctions + 1] = {};
    for (int n = 1; n <= table_.MacroCount(); ++n) {
        if (table_.ScopeOf(n) != kScopeSystem) continue;
        std::string digit = table_.ScopeNameOf(n).substr(0, 1);
        if (digit.empty() || digit[0] < '1' || digit[0] > '0' + kSystemFunctions) continue;
        int function = digit[0] - '0';
        present[function] = true;
        nicknameOf_[n] = StandardSystemNickname(function);
    }
    for (int function = 1; function <= kSystemFunctions; ++function) {
        // A full table takes no more macros; the functions then go without.
        if (present[function] || table_.MacroCount() >= static_cast<int>(kMaxMacros)) continue;
        AppendMacro(SystemMacroRecord(function, ToDayNumber(clock_.Now())));
    }
}

bool MacroStore::ReadMacro(int n, MacroRecord& record) {
    std::unique_ptr<OpenFile> file = files_.Open(currentFile_, FileAccess::ReadOnly);
    if (!file) return false;
    std::array<uint8_t, kMacroRecordSize> bytes;
    if (n < 1 || !file->Seek(RecordOffset(n)) || !file->Read(bytes.data(), bytes.size())) {
        file.reset();
        ReportIoError();
        return false;
    }
    record = DecodeMacroRecord(bytes.data());
    return true;
}

bool MacroStore::WriteMacro(int n, const MacroRecord& record) {
    std::unique_ptr<OpenFile> file = files_.Open(currentFile_, FileAccess::ReadWrite);
    if (!file) {
        messages_.ShowMessage(kError, "Saving of keystrokes failed.");
        return false;
    }
    // Appending goes to the record boundary after the last loaded macro, so a
    // trailing fragment never shifts the records that follow.
    if (n == -1) n = table_.MacroCount();
    MacroRecord stored = record;
    stored.IconFile = ResolveIcon(record.IconFile, record.Scope);
    std::array<uint8_t, kMacroRecordSize> bytes;
    EncodeMacroRecord(stored, bytes.data());
    // The record is on disk before the table says so: a failed write leaves
    // the table as it was.
    if (n < 1 || n > static_cast<int>(kMaxMacros) || !file->Seek(RecordOffset(n)) ||
        !file->Write(bytes.data(), bytes.size())) {
        file.reset();
        ReportIoError();
        return false;
    }
    file.reset();
    SetEntry(n, stored, stored.IconFile);
    return true;
}

bool MacroStore::AppendMacro(const MacroRecord& record) {
    if (table_.MacroCount() >= static_cast<int>(kMaxMacros)) {
        messages_.ShowMessage(kError,
                              "Maximum number of hot keys has been reached.  A macro cannot be added.");
        return false;
    }
    table_.SetMacroCount(table_.MacroCount() + 1);
    hooks_.ZynUpNumKeys(table_);
    if (WriteMacro(-1, record)) return true;
    table_.SetMacroCount(table_.MacroCount() - 1);
    hooks_.ZynUpNumKeys(table_);
    return false;
}

bool MacroStore::DeleteMacro(int n) {
    std::unique_ptr<OpenFile> file = files_.Open(currentFile_, FileAccess::ReadWrite);
    if (!file) return false;
    uint64_t records = 0;
    bool ok = RecordCount(*file, records) && n >= 1 && static_cast<uint64_t>(n) <= records;
    std::array<uint8_t, kMacroRecordSize> bytes;
    for (uint64_t k = n; ok && k < records; ++k) {
        ok = file->Seek(k * kMacroRecordSize) && file->Read(bytes.data(), bytes.size()) &&
             file->Seek((k - 1) * kMacroRecordSize) && file->Write(bytes.data(), bytes.size());
    }
    ok = ok && file->Truncate((records - 1) * kMacroRecordSize);
    file.reset();
    if (!ok) ReportIoError();
    return ok;
}

bool MacroStore::SetMacroActive(int n, uint8_t value) {
    std::unique_ptr<OpenFile> file = files_.Open(currentFile_, FileAccess::ReadWrite);
    if (!file) {
        ReportIoError();
        return false;
    }
    uint64_t records = 0;
    if (!RecordCount(*file, records)) {
        file.reset();
        ReportIoError();
        return false;
    }
    std::array<uint8_t, kMacroRecordSize> bytes;
    bool ok = n >= 1 && file->Seek(RecordOffset(n)) && file->Read(bytes.data(), bytes.size());
    if (ok) {
        // Only the active byte changes; every other byte is written back as read.
        bytes[kRecordActiveOffset] = value;
        ok = file->Seek(RecordOffset(n)) && file->Write(bytes.data(), bytes.size());
    }
    file.reset();
    if (!ok) {
        ReportIoError();
        return false;
    }
    table_.SetActiveOf(n, value);
    PublishItem(n);
    return true;
}

}  // namespace tavrin
