#pragma once
// The "&Quick Wizards" page: 27 buttons, each face drawn once at start-up
// (BuildButton) with the wizard's picture and its two or three lines.
#include <windows.h>

#include <vector>

namespace tavrin {

class WizardPage {
public:
    WizardPage() = default;
    WizardPage(const WizardPage&) = delete;
    WizardPage& operator=(const WizardPage&) = delete;
    ~WizardPage();

    // Button n carries the command kMenuWizard1 + n - 1, as its menu item.
    void Create(HWND parent, int dpi);
    // The buttons in rows from the top left of the area.
    void Move(int left, int top, int width);
    void Show(bool visible);
    void Enable(bool on);
    // Gives the keyboard focus to the first button; false when it is disabled.
    bool Focus();

private:
    HBITMAP BuildButton(int n, HDC screen, HBITMAP pictures);

    int width_ = 0, height_ = 0;  // of one button
    int dpi_ = 96;
    std::vector<HWND> buttons_;
    std::vector<HBITMAP> faces_;
};

}  // namespace tavrin
