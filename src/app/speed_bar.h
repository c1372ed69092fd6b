#pragma once
// The speed buttons: a toolbar of the program's glyphs over the macro
// list, one button per common command, each with its hint.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

namespace tavrin {

class SpeedBar {
public:
    // The glyphs are drawn for 96 dots per inch and scaled to dpi.
    void Create(HWND parent, int dpi);
    ~SpeedBar();
    HWND Handle() const { return bar_; }
    int Height() const;
    void Move(int left, int top, int width);
    void Show(bool visible) { ShowWindow(bar_, visible ? SW_SHOW : SW_HIDE); }
    // Buttons carry the command ids of the menu items they stand for.
    void Enable(int command, bool on);
    void SetHint(int command, const std::string& hint) { hints_[command] = hint; }
    // The tooltip's request for a hint; true when it was one of ours.
    bool OnNotify(const NMHDR& header);

private:
    HWND bar_ = nullptr;
    HIMAGELIST glyphs_ = nullptr;
    std::map<int, std::string> hints_;
    std::wstring wideHint_;
};

}  // namespace tavrin
