#include "platform/win32/modal_window.h"

namespace tavrin {

namespace {

constexpr char kClassName[] = "TavrinModalWindow";

void RegisterOnce() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    registered = true;
}

}  // namespace

ModalWindow::ModalWindow(const char* caption, int left, int top, int clientWidth,
                         int clientHeight, bool topMost) {
    RegisterOnce();
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | (topMost ? WS_EX_TOPMOST : 0);
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (left < 0) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    hwnd_ = CreateWindowExA(exStyle, kClassName, caption, style, left, top, width, height,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
}

ModalWindow::~ModalWindow() { DestroyWindow(hwnd_); }

HWND ModalWindow::AddLabel(const char* text, int x, int y, int width, int height) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, height, hwnd_,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND ModalWindow::AddButton(const char* text, int id, int x, int y, int width, int height) {
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width,
                           height, hwnd_, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

HWND ModalWindow::AddEdit(int x, int y, int width, int height, int maxChars, DWORD style,
                          int id) {
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | style, x, y,
                                width, height, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (maxChars > 0) SendMessageA(edit, EM_LIMITTEXT, maxChars, 0);
    return edit;
}

HWND ModalWindow::AddCheck(const char* text, int id, int x, int y, int width, int height,
                           bool checked) {
    HWND box = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                               x, y, width, height, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return box;
}

int ModalWindow::Run(std::function<bool(int)> onCommand) {
    onCommand_ = std::move(onCommand);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    MSG msg;
    while (!done_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (!done_) PostQuitMessage(0);  // the program is ending: leave that to its loop
    ShowWindow(hwnd_, SW_HIDE);
    return result_;
}

LRESULT CALLBACK ModalWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ModalWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    int command = 0;
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE)
                command = LOWORD(wParam);
            break;
        case WM_CLOSE:
            command = IDCANCEL;
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_ACTIVE && self->onActivate) self->onActivate();
            break;
    }
    if (command != 0 && self->onCommand_ && self->onCommand_(command)) {
        self->result_ = command;
        self->done_ = true;
        return 0;
    }
    if (msg == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace tavrin
