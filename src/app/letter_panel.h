#pragma once
// The lettered buttons, shown beside the macro list instead of the speed
// buttons when "Use Speed" is off, under the headings "Change Macro",
// "Create Macro" and "Delete Macro".
#include <windows.h>

#include <string>
#include <vector>

namespace tavrin {

class LetterPanel {
public:
    void Create(HWND parent, HFONT font);
    void Move(int left, int top, int width, int height);
    void Show(bool visible);
    // Buttons carry the command ids of the menu items they stand for.
    void Enable(int command, bool on);
    void SetCaption(int command, const std::string& caption);

private:
    HWND Button(int command) const;

    std::vector<HWND> headings_;
    std::vector<HWND> buttons_;
};

}  // namespace tavrin
