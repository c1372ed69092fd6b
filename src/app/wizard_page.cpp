#include "app/wizard_page.h"

#include "app/main_window_res.h"
#include "app/menu_ids.h"
#include <algorithm>

#include "forms/quick_wizard_buttons.h"

namespace tavrin {

namespace {
constexpr int kColumns = 5;
}

WizardPage::~WizardPage() {
    for (HBITMAP face : faces_) DeleteObject(face);
}

void WizardPage::Create(HWND parent, int dpi) {
    dpi_ = dpi;
    width_ = MulDiv(108, dpi, 96);
    height_ = MulDiv(50, dpi, 96);
    HDC screen = GetDC(nullptr);
    HBITMAP pictures = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                       MAKEINTRESOURCEA(kWizardBitmap),
                                                       IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    for (int n = 1; n <= kQuickWizardButtons; ++n) {
        HWND button = CreateWindowExA(
            0, "BUTTON", QuickWizardName(n).c_str(),
            WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 0, 0, width_,
            height_, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMenuWizard1 + n - 1)),
            GetModuleHandleA(nullptr), nullptr);
        HBITMAP face = BuildButton(n, screen, pictures);
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(face));
        buttons_.push_back(button);
        faces_.push_back(face);
    }
    if (pictures) DeleteObject(pictures);
    ReleaseDC(nullptr, screen);
}

// The face: the button's size less 3 pixels in the button-face colour, the
// wizard's picture at the top left, the lines in 9-point type right of it.
HBITMAP WizardPage::BuildButton(int n, HDC screen, HBITMAP pictures) {
    const int w = width_ - MulDiv(3, dpi_, 96) - 4, h = height_ - MulDiv(3, dpi_, 96) - 4;
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP face = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ oldFace = SelectObject(dc, face);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (pictures) {
        HDC source = CreateCompatibleDC(screen);
        HGDIOBJ oldSource = SelectObject(source, pictures);
        const int side = MulDiv(16, dpi_, 96);
        StretchBlt(dc, 0, 0, side, side, source, 16 * (n - 1), 0, 16, 16, SRCCOPY);
        SelectObject(source, oldSource);
        DeleteDC(source);
    }
    HFONT font = CreateFontA(-MulDiv(9, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH, "MS Shell Dlg");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const auto& lines = QuickWizardLines(n);
    const int textLeft = MulDiv(25, dpi_, 96);
    for (size_t i = 0; i < lines.size(); ++i) {
        SIZE size{};
        GetTextExtentPoint32A(dc, lines[i].c_str(), static_cast<int>(lines[i].size()), &size);
        const int x = textLeft + (w - textLeft - size.cx) / 2;
        const int y = MulDiv(QuickWizardLineTop(lines.size(), i), dpi_, 96);
        TextOutA(dc, x > textLeft ? x : textLeft, y, lines[i].c_str(),
                 static_cast<int>(lines[i].size()));
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldFace);
    DeleteDC(dc);
    return face;
}

void WizardPage::Move(int left, int top, int width) {
    const int gap = MulDiv(4, dpi_, 96);
    const int columns = std::max(1, std::min(kColumns, (width + gap) / (width_ + gap)));
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        MoveWindow(buttons_[i], left + column * (width_ + gap), top + row * (height_ + gap), width_,
                   height_, TRUE);
    }
}

void WizardPage::Show(bool visible) {
    for (HWND w : buttons_) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

void WizardPage::Enable(bool on) {
    for (HWND w : buttons_) EnableWindow(w, on);
}

bool WizardPage::Focus() {
    if (buttons_.empty() || !IsWindowEnabled(buttons_[0])) return false;
    SetFocus(buttons_[0]);
    return true;
}

}  // namespace tavrin
