// The main window's controls: the two pages, the speed buttons or the
// lettered buttons, the macro list and the Quick Wizard buttons; their
// layout and the menus of the list and the tray icon.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/main_window_res.h"
#include "app/menu_ids.h"
#include "app/screen_dpi.h"
#include "forms/main_layout.h"

namespace tavrin {

void MainWindow::CreateControls() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    uiFont_ = CreateFontIndirectA(&metrics.lfMessageFont);

    pages_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                             0, 0, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPagesControl)),
                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(pages_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
    const char* titles[] = {"M&acros", "&Quick Wizards"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(titles[i]);
        SendMessageA(pages_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    speed_.Create(hwnd_, ScreenDpi());
    panel_.Create(hwnd_, uiFont_);
    list_.Create(hwnd_);
    wizards_.Create(hwnd_, ScreenDpi());
    // The page control lies under the controls of its pages.
    SetWindowPos(pages_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    list_.onSelectionChanged = [this] { ApplyCommands(); };
    list_.onTitleRightClick = [this](const std::string& title) { TitleSortClick(title); };
    list_.onRowRightClick = [this](int n) { ShowQuickInfo(n); };
    list_.onRowDoubleClick = [this](int n) { RowDoubleClick(n); };
    list_.onColumnsSized = [this] { ColumnsSized(); };
    ShowChosenPage();
}

void MainWindow::ApplyAppearance() {
    list_.ApplyAppearance();
    ShowChosenPage();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// "M&acros" shows the list with the speed or the lettered buttons, "&Quick
// Wizards" the wizard buttons; the macro commands rest meanwhile.
void MainWindow::ShowChosenPage() {
    model_.ShowPage(TabCtrl_GetCurSel(pages_) == 1);
    const bool macros = !model_.WizardsPage();
    ShowWindow(list_.Handle(), macros ? SW_SHOW : SW_HIDE);
    speed_.Show(macros && app_.settings.UseSpeed);
    panel_.Show(macros && !app_.settings.UseSpeed);
    wizards_.Show(!macros);
    if (IsWindowVisible(hwnd_)) FocusPage();
    LayoutMainWindow();
    ApplyCommands();
}

// The keys go to the page shown, never to a control hidden with the other:
// to the list, where typing searches it, or to the first wizard button.
void MainWindow::FocusPage() {
    if (!model_.WizardsPage()) {
        SetFocus(list_.Handle());
    } else if (!wizards_.Focus()) {
        SetFocus(hwnd_);
    }
}

void MainWindow::LayoutMainWindow() {
    if (model_.Closing() || pages_ == nullptr) return;
    const int dpi = ScreenDpi();
    const auto px = [dpi](int v) { return MulDiv(v, dpi, 96); };
    RECT client;
    GetClientRect(hwnd_, &client);
    MoveWindow(pages_, px(2), px(2), client.right - px(4), client.bottom - px(4), TRUE);
    RECT display{0, 0, client.right - px(4), client.bottom - px(4)};
    TabCtrl_AdjustRect(pages_, FALSE, &display);
    const int left = px(2) + display.left, top = px(2) + display.top;
    const int width = display.right - display.left, height = display.bottom - display.top;
    // The rules are for 96 dots per inch; the speed buttons take what
    // their glyphs need.
    const MainLayout l = tavrin::MainLayoutFor(0, 0, MulDiv(width, 96, dpi),
                                            MulDiv(height, 96, dpi), app_.settings.UseSpeed);
    int listTop = top + px(l.list.top);
    int listHeight = px(l.list.height);
    if (app_.settings.UseSpeed) {
        speed_.Move(left + px(2), top + px(2), width - px(4));
        const int below = top + px(2) + speed_.Height() + px(2);
        if (below > listTop) {
            listHeight -= below - listTop;
            listTop = below;
        }
    } else {
        panel_.Move(left + px(l.panel.left), top + px(l.panel.top), px(l.panel.width),
                    px(l.panel.height));
    }
    list_.Move(left + px(l.list.left), listTop, px(l.list.width), std::max(listHeight, 0));
    wizards_.Move(left + px(4), top + px(4), width - px(8));
}

// The list's own menu: the "&Macros" commands, from the keyboard's menu key
// or a right click below the rows.
void MainWindow::ShowListMenu(LPARAM position) {
    POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (position == -1) {
        RECT r;
        GetWindowRect(list_.Handle(), &r);
        at = {r.left + 20, r.top + 20};
    }
    TrackPopupMenu(GetSubMenu(GetMenu(hwnd_), 1), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                   hwnd_, nullptr);
}

void MainWindow::ShowTrayMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kTrayOpen, "&Open");
    AppendMenuA(menu, MF_STRING, kTrayHelp, "&Help");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kTrayTerminate, "&Terminate Tavrin 99");
    POINT at;
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if our window is
    // in front while it is shown.
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_,
                   nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

bool MainWindow::OnControlNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == pages_ && header.code == TCN_SELCHANGE) {
        ShowChosenPage();
        return true;
    }
    if (speed_.OnNotify(header)) return true;
    return list_.OnNotify(header, result);
}

}  // namespace tavrin
