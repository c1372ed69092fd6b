#pragma once
// A small modal window of the program's own, built from child controls: the
// playback windows (pause, repeat prompt, text box) are made of it.
#include <windows.h>

#include <functional>

namespace tavrin {

class ModalWindow {
public:
    // clientWidth x clientHeight at left, top; a left below 0 centres it.
    ModalWindow(const char* caption, int left, int top, int clientWidth, int clientHeight,
                bool topMost);
    ~ModalWindow();
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND AddLabel(const char* text, int x, int y, int width, int height);
    HWND AddButton(const char* text, int id, int x, int y, int width, int height);
    HWND AddEdit(int x, int y, int width, int height, int maxChars, DWORD style = 0, int id = 0);
    HWND AddCheck(const char* text, int id, int x, int y, int width, int height, bool checked);

    // Shows the window and handles its messages until onCommand returns
    // true for a command: a button's or check box's id when clicked, an edit
    // field's id when its text changed, IDCANCEL when the window is closed.
    // Returns that command.
    int Run(std::function<bool(int)> onCommand);
    // Called whenever the window is activated.
    std::function<void()> onActivate;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::function<bool(int)> onCommand_;
    int result_ = 0;
    bool done_ = false;
};

}  // namespace tavrin
