#pragma once
// The macro list of the main window: a list view in report mode, one row
// per macro, remembering each row's macro number.
#include <windows.h>

#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

class MacroListView {
public:
    void Create(HWND parent, const Settings& settings);
    HWND Handle() const { return list_; }
    // One row per macro in file order; the selected macro stays selected.
    void Fill(const MacroStore& store);
    void Move(const RECT& area);
    // Columns 1 to 3 from "Col 1 Width" to "Col 3 Width".
    void SetColumnWidths(const Settings& settings);
    int RowCount() const;
    // The macro number of the selected row; 0 when none is selected.
    int SelectedMacro() const;

private:
    HWND list_ = nullptr;
};

}  // namespace tavrin
