#pragma once
// A modal dialog made from a DIALOGEX template of the program's resources,
// in the shape of 7-Zip's CModalDialog: Create runs DialogBoxParam, whose
// procedure keeps `this` and forwards to the virtual handlers below. The
// owner is disabled while the dialog is open; Enter presses the default
// button, Esc (and the close box) cancels. A dialog that names a help
// keyword has a "&Help" button (IDHELP) in its template, which opens the
// program's help file at that keyword.
#include <windows.h>

#include <string>

namespace tavrin {

class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog over owner until End; returns End's result (IDOK,
    // IDCANCEL, ...), or -1 when the dialog cannot be made.
    INT_PTR Create(HWND owner);

    // Buttons, also for a table of controls that two dialogs share
    // (capture_option_controls.h).
    bool IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void SetChecked(int id, bool on) { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }
    // The place (from 1) of the checked button of a radio group; current
    // when none is checked.
    template <size_t N>
    int CheckedOf(const int (&group)[N], int current) const {
        for (size_t k = 0; k < N; ++k)
            if (IsChecked(group[k])) return static_cast<int>(k) + 1;
        return current;
    }
    void EnableItem(int id, bool on) { EnableWindow(Item(id), on); }

protected:
    explicit ModalDialog(int templateId, const char* helpKeyword = nullptr)
        : templateId_(templateId), helpKeyword_(helpKeyword) {}
    virtual ~ModalDialog() = default;

    // WM_INITDIALOG: true gives the focus to the first tab stop, false keeps
    // the focus where OnInit put it.
    virtual bool OnInit() { return true; }
    // WM_COMMAND from a control other than the IDOK and IDCANCEL buttons;
    // true when handled.
    virtual bool OnCommand(int id, int code) {
        (void)id;
        (void)code;
        return false;
    }
    // WM_NOTIFY from a common control; true when handled.
    virtual bool OnNotify(int id, const NMHDR& header) {
        (void)id;
        (void)header;
        return false;
    }
    // Any other message (timers, notices of child windows); true when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        (void)msg;
        (void)wParam;
        (void)lParam;
        return false;
    }
    // Each time the dialog becomes the active window.
    virtual void OnActivate() {}
    // The IDOK button and Enter.
    virtual void OnOK() { End(IDOK); }
    // The IDCANCEL button, Esc and the close box.
    virtual void OnCancel() { End(IDCANCEL); }

    void End(INT_PTR result) { EndDialog(hwnd_, result); }
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    void LimitText(int id, size_t chars) { SendDlgItemMessageA(hwnd_, id, EM_LIMITTEXT, chars, 0); }
    // A failed check: the message in a box over the dialog, then the focus
    // in the field it names.
    void ShowFailure(const std::string& title, const std::string& message, int focusId);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The help file at the keyword; when the file is missing, a message says so.
    void OpenHelp();

    int templateId_;
    const char* helpKeyword_;
    HWND hwnd_ = nullptr;
};

}  // namespace tavrin
