#pragma once
// The macro list of the main window: a list view in report mode with owner
// data, drawn by the program itself (grid font and title font, an icon
// column, inactive macros in grey italics, long texts cut to their cell),
// sorted by the settings' sort keys, searched by typing.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/macro_icons.h"
#include "forms/grid_search.h"
#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

class MacroListView {
public:
    MacroListView(const MacroStore& store, Settings& settings, MacroIcons& icons)
        : store_(store), settings_(settings), icons_(icons) {}
    MacroListView(const MacroListView&) = delete;
    MacroListView& operator=(const MacroListView&) = delete;
    ~MacroListView();

    void Create(HWND parent);
    HWND Handle() const { return list_; }
    // FillList: the rows in the order of the sort keys, the same macro
    // selected again (else the first row), scrolled to it.
    void Fill();
    // The grid font, title font, row heights, icon column and column widths
    // from the settings.
    void ApplyAppearance();
    void Move(int left, int top, int width, int height);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The macro number of the selected row; 0 when none is selected.
    int SelectedMacro() const;
    // ReverseSort: selects macro n's row; false when it has none.
    bool SelectMacro(int n);
    // WM_NOTIFY from the list or its header; true when handled, with the
    // result in result.
    bool OnNotify(const NMHDR& header, LRESULT& result);

    std::function<void()> onSelectionChanged;
    std::function<void(const std::string& title)> onTitleRightClick;
    std::function<void(int macro)> onRowRightClick;
    std::function<void(int macro)> onRowDoubleClick;
    std::function<void()> onColumnsSized;

private:
    static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK HeaderProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    std::string CellText(int row, int column) const;
    void DrawRow(HDC dc, int row);
    void SelectRow(int row);
    void OnTyped(char c);
    int HeaderColumnAt(LPARAM lParam) const;
    void DeleteFonts();

    const MacroStore& store_;
    Settings& settings_;
    MacroIcons& icons_;
    HWND list_ = nullptr;
    HWND header_ = nullptr;
    HFONT gridFont_ = nullptr;
    HFONT inactiveFont_ = nullptr;  // the grid font in italics
    HFONT titleFont_ = nullptr;
    HIMAGELIST rowHeight_ = nullptr;  // an empty image list that sets the row height
    std::vector<int> rows_;          // RowMacro: the macro of each row
    std::vector<std::string> searchTexts_;  // each row's activation text in upper case
    GridSearch search_;
    int titleDown_ = -1;   // the title a right click went down on
    bool applying_ = false;  // widths being set by the program, not dragged
    bool tracking_ = false;  // the user is dragging a column's edge
    mutable std::string textBuffer_;  // what LVN_GETDISPINFO hands out
    mutable std::wstring wideBuffer_;
};

}  // namespace tavrin
