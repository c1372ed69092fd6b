#include "ui/set_scope_dialog.h"

#include <psapi.h>

#include "ui/installed_programs.h"
#include "ui/set_scope_dialog_res.h"

namespace tavrin {
namespace {

BOOL CALLBACK AddWindowTitle(HWND window, LPARAM entries) {
    char title[256] = "";
    if (IsWindowVisible(window) && GetWindowTextA(window, title, sizeof title) > 0 &&
        ListsWindowTitle(title))
        reinterpret_cast<std::vector<std::string>*>(entries)->push_back(title);
    return TRUE;
}

// The titles of the visible top-level windows, in the system's order.
std::vector<std::string> WindowTitles() {
    std::vector<std::string> titles;
    EnumWindows(AddWindowTitle, reinterpret_cast<LPARAM>(&titles));
    return titles;
}

// The module names of the running processes.
std::vector<std::string> ProgramNames() {
    std::vector<DWORD> ids(1024);
    DWORD bytes = 0;
    if (!EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes))
        return {};
    ids.resize(bytes / sizeof(DWORD));
    std::vector<std::string> names;
    for (DWORD id : ids) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
        if (!process) continue;
        char name[MAX_PATH] = "";
        if (GetModuleBaseNameA(process, nullptr, name, sizeof name) > 0 && ListsProgramName(name))
            names.push_back(name);
        CloseHandle(process);
    }
    return names;
}

}  // namespace

SetScopeDialog::SetScopeDialog(const SetScopeFields& fields)
    : CommandDialog(kSetScopeDialog, fields.Program ? "Set Program Name" : "Set Window Title"),
      fields_(fields) {}

bool SetScopeDialog::OnInit() {
    if (fields_.Program) {
        SetWindowTextA(Handle(), "Set Program");
        SetItemText(kScopeNameLabel, "Program Name (may be partial name)");
        SetItemText(kScopeListLabel, "List of Programs currently running");
        SetItemText(kScopeOnTop, "&Run Macro If Program On Top");
        SetItemText(kScopeRunning, "R&un Macro If Program Running");
    } else {
        ShowItems({kScopeInstalled}, false);
    }
    LimitText(kScopeName, kScopeNameChars);
    SetItemText(kScopeName, fields_.Name);
    SetChecked(fields_.OnTopOnly ? kScopeOnTop : kScopeRunning, true);
    entries_ = fields_.Program ? ProgramNames() : WindowTitles();
    for (const std::string& entry : entries_)
        SendDlgItemMessageA(Handle(), kScopeList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry.c_str()));
    return true;
}

std::string SetScopeDialog::Highlighted() const {
    const LRESULT k = SendDlgItemMessageA(Handle(), kScopeList, LB_GETCURSEL, 0, 0);
    return k == LB_ERR ? std::string() : entries_[k];
}

bool SetScopeDialog::OnCommand(int id, int code) {
    if (id == kScopeList && code == LBN_DBLCLK) {
        SetItemText(kScopeName, ScopeNameOfEntry(Highlighted()));
        return true;
    }
    if (id == kScopeInstalled && code == BN_CLICKED) {
        const std::string program = ChooseInstalledProgram(Handle());
        if (!program.empty()) SetItemText(kScopeName, program);
        return true;
    }
    return false;
}

void SetScopeDialog::OnOK() {
    fields_.Name = ItemText(kScopeName);
    fields_.Highlighted = Highlighted();
    fields_.OnTopOnly = IsChecked(kScopeOnTop);
    const auto answer = AcceptSetScope(fields_);
    if (!answer.Ok()) {
        if (ShowRefusal(answer.Refused, kScopeName)) {
            SetItemText(kScopeName, ScopeNameOfEntry(fields_.Highlighted));
            OnOK();
        }
        return;
    }
    chosen_ = answer.Entered;
    Accept(answer.Text);
}

}  // namespace tavrin
