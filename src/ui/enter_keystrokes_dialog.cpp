#include "ui/enter_keystrokes_dialog.h"

#include <commctrl.h>

#include "forms/enter_keystrokes_form.h"
#include "forms/search_form.h"
#include "forms/text_search.h"
#include "ui/enter_keystrokes_dialog_res.h"
#include "ui/insert_symbol_dialog.h"
#include "ui/search_dialog.h"

namespace tavrin {
namespace {

// The key buttons, in dialog units: rows of ten below the memo.
constexpr int kKeysPerRow = 10;
constexpr int kKeyLeft = 7;
constexpr int kKeyTop = 124;
constexpr int kKeyWidth = 37;
constexpr int kKeyHeight = 14;
constexpr int kKeyGap = 2;
constexpr int kFirstFKey = 18;  // F1's place among the buttons

bool CtrlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// The memo's keys for the items of the "&Edit" menu that have one: Ctrl+F,
// F3 and Ctrl+S. The repeats of a held Ctrl key are kept from the memo.
LRESULT CALLBACK MemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (msg == WM_KEYDOWN) {
        const bool repeat = (lParam & (1 << 30)) != 0;
        int command = 0;
        if (wParam == VK_CONTROL && repeat) return 0;
        if (wParam == 'F' && CtrlHeld()) command = kKeystrokesFind;
        if (wParam == VK_F3) command = kKeystrokesFindAgain;
        if (wParam == 'S' && CtrlHeld()) command = kKeystrokesReplace;
        if (command != 0) {
            PostMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(command, 0), 0);
            return 0;
        }
    }
    if (msg == WM_CHAR && CtrlHeld() && (wParam == 6 || wParam == 19)) return 0;  // ^F, ^S
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, MemoProc, 1);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

EnterKeystrokesDialog::EnterKeystrokesDialog(const std::string& text)
    : CommandDialog(kEnterKeystrokesDialog, "Text Insertion"), text_(text) {}

bool EnterKeystrokesDialog::OnInit() {
    LimitText(kKeystrokesMemo, kKeystrokesLimit);
    SetItemText(kKeystrokesMemo, text_);
    SetWindowSubclass(Item(kKeystrokesMemo), MemoProc, 1, 0);
    AddKeyButtons();
    HWND misc = Item(kKeystrokesMiscList);
    for (const KeystrokeKey& key : MiscellaneousKeys())
        SendMessageA(misc, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.Caption));
    SendMessageA(misc, CB_SETCURSEL, 0, 0);
    SetFocus(Item(kKeystrokesMemo));
    return false;
}

void EnterKeystrokesDialog::AddKeyButtons() {
    const auto font = SendMessageA(Handle(), WM_GETFONT, 0, 0);
    HMENU keys = CreatePopupMenu();
    HMENU fkeys = CreatePopupMenu();
    const auto& buttons = KeystrokeButtons();
    for (size_t k = 0; k < buttons.size(); ++k) {
        const int id = kKeystrokesFirstKey + static_cast<int>(k);
        RECT r{kKeyLeft + static_cast<int>(k % kKeysPerRow) * (kKeyWidth + kKeyGap),
               kKeyTop + static_cast<int>(k / kKeysPerRow) * (kKeyHeight + kKeyGap), 0, 0};
        r.right = r.left + kKeyWidth;
        r.bottom = r.top + kKeyHeight;
        MapDialogRect(Handle(), &r);
        HWND button = CreateWindowExA(0, "BUTTON", buttons[k].Caption,
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.left,
                                      r.top, r.right - r.left, r.bottom - r.top, Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      GetModuleHandleA(nullptr), nullptr);
        SendMessageA(button, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
        AppendMenuA(static_cast<int>(k) < kFirstFKey ? keys : fkeys, MF_STRING,
                    static_cast<UINT_PTR>(id), buttons[k].Caption);
    }
    // The buttons stand in tab order after the memo.
    HWND after = Item(kKeystrokesMemo);
    for (size_t k = 0; k < buttons.size(); ++k) {
        HWND button = Item(kKeystrokesFirstKey + static_cast<int>(k));
        SetWindowPos(button, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = button;
    }
    HMENU bar = GetMenu(Handle());
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(keys), "&Keys");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(fkeys), "FKe&ys");
    DrawMenuBar(Handle());
}

bool EnterKeystrokesDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;  // menu items come as 0, as clicks do
    const auto& buttons = KeystrokeButtons();
    if (id >= kKeystrokesFirstKey && id < kKeystrokesFirstKey + static_cast<int>(buttons.size())) {
        Insert(KeyTagOf(buttons[static_cast<size_t>(id - kKeystrokesFirstKey)]));
        return true;
    }
    switch (id) {
        case kKeystrokesMiscOk: {
            const LRESULT row = SendMessageA(Item(kKeystrokesMiscList), CB_GETCURSEL, 0, 0);
            if (row != CB_ERR) Insert(KeyTagOf(MiscellaneousKeys()[static_cast<size_t>(row)]));
            return true;
        }
        case kKeystrokesSymbols: {
            InsertSymbolDialog symbol;
            symbol.Create(Handle());
            if (!symbol.ResultText().empty()) Insert(symbol.ResultText());
            return true;
        }
        case kKeystrokesCut:
        case kKeystrokesCopy:
        case kKeystrokesPaste:
        case kKeystrokesDelete: {
            const UINT message = id == kKeystrokesCut    ? WM_CUT
                                 : id == kKeystrokesCopy ? WM_COPY
                                 : id == kKeystrokesPaste ? WM_PASTE
                                                          : WM_CLEAR;
            SendMessageA(GetFocus(), message, 0, 0);
            return true;
        }
        case kKeystrokesFind: {
            SearchDialog search(NewSearchFields(true, find_));
            search.Create(Handle());
            if (search.ResultText().empty()) return true;
            find_ = search.ResultText();
            findFrom_ = 0;
            FindNext();
            return true;
        }
        case kKeystrokesFindAgain:
            if (!find_.empty()) FindNext();
            return true;
        case kKeystrokesReplace:
            Replace();
            return true;
    }
    return false;
}

void EnterKeystrokesDialog::Insert(const std::string& text) {
    HWND memo = Item(kKeystrokesMemo);
    const std::string refusal =
        InsertionRefusal(static_cast<size_t>(GetWindowTextLengthA(memo)), text.size());
    if (!refusal.empty()) return ShowFailure("Error", refusal, kKeystrokesMemo);
    SendMessageA(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    SetFocus(memo);
}

void EnterKeystrokesDialog::FindNext() {
    const std::string text = ItemText(kKeystrokesMemo);
    const size_t at = FindNoCase(text, find_, findFrom_);
    if (at == std::string::npos) {
        findFrom_ = 0;
        MessageBoxA(Handle(), NotFoundMessage(find_).c_str(), "Warning", MB_OK | MB_ICONWARNING);
        return;
    }
    findFrom_ = at + find_.size();
    HWND memo = Item(kKeystrokesMemo);
    SetFocus(memo);
    SendMessageA(memo, EM_SETSEL, at, findFrom_);
    SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

void EnterKeystrokesDialog::Replace() {
    SearchDialog search(NewSearchFields(false, find_));
    search.Create(Handle());
    if (search.ResultText().empty()) return;
    const SearchValues& values = search.Values();
    find_ = values.Find;
    std::string text = ItemText(kKeystrokesMemo);
    const int count = ReplaceNoCase(text, values.Find, values.Replace);
    if (count == 0) {
        MessageBoxA(Handle(), NotFoundMessage(values.Find).c_str(), "Warning",
                    MB_OK | MB_ICONWARNING);
        return;
    }
    SetItemText(kKeystrokesMemo, text);
    MessageBoxA(Handle(), ReplacedMessage(values.Find, count).c_str(), "Replaced",
                MB_OK | MB_ICONINFORMATION);
}

void EnterKeystrokesDialog::OnOK() {
    const KeystrokesUpdate update = UpdateKeystrokes(ItemText(kKeystrokesMemo));
    if (!update.Warning.empty())
        MessageBoxA(Handle(), update.Warning.c_str(), "Error", MB_OK | MB_ICONERROR);
    Accept(update.Text);
}

}  // namespace tavrin
