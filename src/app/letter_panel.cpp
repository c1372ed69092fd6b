#include "app/letter_panel.h"

#include "app/main_window_res.h"
#include "app/menu_ids.h"

namespace tavrin {

namespace {

struct PanelGroup {
    const char* heading;
    std::vector<std::pair<int, const char*>> buttons;
};

const PanelGroup kGroups[] = {
    {"Change Macro",
     {{kMenuScripting, "&Scripting Editor"},
      {kMenuModifyDirectly, "Modify &Directly"},
      {kMenuRecapture, "Re&capture Macro"},
      {kMenuRename, "Re&name Macro"},
      {kMenuActivate, "Acti&vate Macro"}}},
    {"Create Macro", {{kMenuAddMacro, "&Add Macro"}, {kMenuCopyMacro, "Cop&y Macro"}}},
    {"Delete Macro", {{kMenuRemove, "R&emove Macro"}}},
};

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, HFONT font) {
    HWND w = CreateWindowExA(0, cls, text, WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
}

}  // namespace

void LetterPanel::Create(HWND parent, HFONT font) {
    int heading = kPanelHeading1;
    for (const PanelGroup& group : kGroups) {
        headings_.push_back(Child(parent, "STATIC", group.heading, SS_LEFT, heading++, font));
        for (const auto& button : group.buttons)
            buttons_.push_back(Child(parent, "BUTTON", button.second, BS_PUSHBUTTON | WS_TABSTOP,
                                     button.first, font));
    }
}

// The headings and buttons one under the other, the buttons as wide as the
// panel, sized from the height of a heading's text.
void LetterPanel::Move(int left, int top, int width, int height) {
    (void)height;
    HDC dc = GetDC(headings_[0]);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(headings_[0], WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(headings_[0], dc);
    const int line = metrics.tmHeight;
    const int buttonHeight = line * 7 / 4;
    int y = top + line / 2;
    size_t b = 0;
    for (size_t g = 0; g < headings_.size(); ++g) {
        MoveWindow(headings_[g], left, y, width, line, TRUE);
        y += line + line / 4;
        for (size_t k = 0; k < kGroups[g].buttons.size(); ++k, ++b) {
            MoveWindow(buttons_[b], left, y, width, buttonHeight, TRUE);
            y += buttonHeight + line / 4;
        }
        y += line / 2;
    }
}

void LetterPanel::Show(bool visible) {
    for (HWND w : headings_) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
    for (HWND w : buttons_) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

HWND LetterPanel::Button(int command) const {
    for (HWND w : buttons_)
        if (GetDlgCtrlID(w) == command) return w;
    return nullptr;
}

void LetterPanel::Enable(int command, bool on) {
    if (HWND w = Button(command)) EnableWindow(w, on);
}

void LetterPanel::SetCaption(int command, const std::string& caption) {
    if (HWND w = Button(command)) SetWindowTextA(w, caption.c_str());
}

}  // namespace tavrin
