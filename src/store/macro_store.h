#pragma once
// The macro store: the current macro file, the macro table indexing it and
// the side arrays of nicknames, Quillet names and icons. Every change to the
// table is published to the hook library after the field is set.
#include <string>
#include <vector>

#include "base/macro_table.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/hook_library.h"
#include "platform/user_messages.h"
#include "store/macro_record.h"

namespace tavrin {

class MacroStore {
public:
    // currentFile is the settings' "Current File": the file every operation
    // works on. LoadMacroFile makes its path current.
    MacroStore(Files& files, HookLibrary& hooks, UserMessages& messages, Clock& clock,
               std::string programFolder, std::string& currentFile);

    MacroTable& Table() { return table_; }
    const MacroTable& Table() const { return table_; }
    int MacroCount() const { return table_.MacroCount(); }
    const std::string& NicknameOf(int n) const { return nicknameOf_[n]; }
    const std::string& QuilletOf(int n) const { return quilletOf_[n]; }
    // The icon a macro is shown with: "MAIN", "MENU" or the name of a file
    // in the program folder's "Icons" folder that exists.
    const std::string& IconOf(int n) const { return iconOf_[n]; }
    std::string IconPath(const std::string& iconFile) const;

    void LoadMacroFile(const std::string& path);
    void ReloadMacroFile() { LoadMacroFile(currentFile_); }
    // Leaves the record unchanged when the file cannot be read.
    bool ReadMacro(int n, MacroRecord& record);
    // Writes record n, or appends when n is -1 (the caller has grown
    // MacroCount already); updates and publishes table entry n.
    bool WriteMacro(int n, const MacroRecord& record);
    // Grows MacroCount, publishes it and appends the record; refused with a
    // message when the table is full.
    bool AppendMacro(const MacroRecord& record);
    // Removes record n from the file; the table is left for a reload.
    bool DeleteMacro(int n);
    // Writes the active byte of record n, then updates and publishes table
    // entry n; on a failure the message is shown and nothing changes.
    bool SetMacroActive(int n, uint8_t value);
    void EnsureSystemMacros();
    // Publishes table entry n after a caller changed it directly.
    void PublishItem(int n) { hooks_.ZynUpItem(table_, n); }

private:
    // The icon rule: the name to keep for a record's IconFile.
    std::string ResolveIcon(const std::string& iconFile, int16_t scope) const;
    void SetEntry(int n, const MacroRecord& record, const std::string& icon);
    void ReportIoError();

    Files& files_;
    HookLibrary& hooks_;
    UserMessages& messages_;
    Clock& clock_;
    std::string programFolder_;
    std::string& currentFile_;
    MacroTable table_;
    std::vector<std::string> nicknameOf_;
    std::vector<std::string> quilletOf_;
    std::vector<std::string> iconOf_;
};

}  // namespace tavrin
