#include "app/speed_bar.h"

#include <commctrl.h>

#include "app/main_window_res.h"
#include "app/menu_ids.h"

namespace tavrin {

namespace {

struct SpeedButton {
    int command;
    const char* hint;
};

// In the order of the glyphs of the speed button bitmap.
const SpeedButton kButtons[] = {
    {kMenuAddMacro, "Add Macro"},
    {kMenuScripting, "Modify Macro Using Scripting Editor"},
    {kMenuCopyMacro, "Copy Macro"},
    {kMenuRemove, "Delete Macro"},
    {kMenuPrintList, "Print Macro List"},
    {kMenuImport, "Import Macros"},
    {kMenuExport, "Export Macros"},
    {kMenuContents, "Help"},
    {kMenuOpenFile, "Open Macro File"},
    {kMenuNewFile, "New Macro File"},
    {kMenuAppearance, "Appearance"},
    {kMenuModifyDirectly, "Modify Macro Directly"},
    {kMenuRecapture, "Recapture Macro"},
    {kMenuActivate, "Activate Macro"},
    {kMenuSort, "Sort Order"},
    {kMenuRename, "Rename Macro"},
};

// The glyph strip scaled to side x side pixels a glyph, its grey
// background made transparent.
HIMAGELIST ScaledGlyphs(int side, int count) {
    HBITMAP strip = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(kSpeedBitmap), IMAGE_BITMAP,
                                                    0, 0, LR_DEFAULTCOLOR));
    if (!strip) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, side * count, side);
    HGDIOBJ oldFrom = SelectObject(from, strip), oldTo = SelectObject(to, scaled);
    StretchBlt(to, 0, 0, side * count, side, from, 0, 0, 16 * count, 16, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    HIMAGELIST list = ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, count, 0);
    ImageList_AddMasked(list, scaled, RGB(192, 192, 192));
    DeleteObject(scaled);
    DeleteObject(strip);
    return list;
}

}  // namespace

SpeedBar::~SpeedBar() {
    if (glyphs_) ImageList_Destroy(glyphs_);
}

void SpeedBar::Create(HWND parent, int dpi) {
    bar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                               TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                           0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSpeedBarControl)),
                           GetModuleHandleA(nullptr), nullptr);
    SendMessageA(bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    constexpr int count = sizeof kButtons / sizeof kButtons[0];
    glyphs_ = ScaledGlyphs(MulDiv(16, dpi, 96), count);
    SendMessageA(bar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(glyphs_));
    TBBUTTON buttons[count] = {};
    for (size_t i = 0; i < count; ++i) {
        buttons[i].iBitmap = static_cast<int>(i);
        buttons[i].idCommand = kButtons[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
        buttons[i].iString = -1;
        hints_[kButtons[i].command] = kButtons[i].hint;
    }
    SendMessageA(bar_, TB_ADDBUTTONSA, sizeof kButtons / sizeof kButtons[0],
                 reinterpret_cast<LPARAM>(buttons));
}

int SpeedBar::Height() const {
    const DWORD size = static_cast<DWORD>(SendMessageA(bar_, TB_GETBUTTONSIZE, 0, 0));
    return HIWORD(size) + 4;
}

void SpeedBar::Move(int left, int top, int width) {
    MoveWindow(bar_, left, top, width, Height(), TRUE);
}

void SpeedBar::Enable(int command, bool on) {
    SendMessageA(bar_, TB_ENABLEBUTTON, command, MAKELPARAM(on ? TRUE : FALSE, 0));
}

bool SpeedBar::OnNotify(const NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
    const auto it = hints_.find(static_cast<int>(header.idFrom));
    if (it == hints_.end()) return false;
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        info.lpszText = const_cast<char*>(it->second.c_str());
    } else {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        wideHint_.assign(it->second.begin(), it->second.end());
        info.lpszText = const_cast<wchar_t*>(wideHint_.c_str());
    }
    return true;
}

}  // namespace tavrin
