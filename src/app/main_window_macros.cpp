// The main window's own macro commands: Quick Info, placing a macro on the
// desktop, the sort order, the column widths and the tutorial's notice.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/desktop_link_file.h"
#include "app/menu_ids.h"
#include "app/screen_dpi.h"
#include "forms/desktop_link.h"
#include "forms/macro_sort.h"
#include "ui/quick_info_dialog.h"
#include "ui/sort_order_dialog.h"
#include "ui/tutorial_notice_dialog.h"

namespace tavrin {

void MainWindow::ShowQuickInfo(int n) {
    if (n <= 0 || model_.BrowseAllMode()) return;
    MacroRecord record;
    if (!app_.store.ReadMacro(n, record)) return;
    const std::string& icon = app_.store.IconOf(n);
    QuickInfoDialog(record, icons_.Icon(icon, app_.store.IconPath(icon))).Create(hwnd_);
}

void MainWindow::MenuOnDesktopClick() {
    const int n = list_.SelectedMacro();
    if (n <= 0) return;
    const DesktopLinkCheck check = CheckDesktopLink(app_.store, n);
    if (!check.ok) {
        app_.messages.ShowMessage("Error", check.message);
        return;
    }
    DoTheLink(check.nickname);
}

// The link starts the program with "/A" and the nickname in quotes; its
// file name holds only characters a file name can.
void MainWindow::DoTheLink(const std::string& nickname) {
    const std::string desktop = DesktopFolder();
    const std::string path = desktop + "\\" + LinkFileName(nickname);
    ShellLinkFields fields;
    fields.target = app_.programFolder + "\\" + kProgramFile;
    fields.arguments = LinkArguments(nickname);
    fields.folder = app_.programFolder;
    fields.iconFile = fields.target;
    if (desktop.empty() || !SaveShellLink(fields, path)) {
        app_.messages.ShowMessage("Error", "The desktop icon could not be saved as \"" + path +
                                               "\".");
        return;
    }
    Trace("desktop link saved " + path);
    app_.messages.ShowMessage("", "DeskTop Icon Added.");
}

void MainWindow::MenuSortClick() {
    const int selected = list_.SelectedMacro();
    if (SortOrderDialog(app_.settings).Create(hwnd_) != IDOK) return;
    SaveSettings(app_.profile, app_.settings);
    list_.Fill();
    list_.SelectMacro(selected);
    ApplyCommands();
}

// A right click on "Activation", "Nickname" or "Scope" sorts by it first.
void MainWindow::TitleSortClick(const std::string& title) {
    if (!app_.settings.SortHeader || model_.BrowseAllMode()) return;
    const std::string primary = PrimarySortForTitle(title);
    if (primary.empty() || (!app_.settings.PrimarySort.empty() &&
                            app_.settings.PrimarySort[0] == primary[0]))
        return;
    const int selected = list_.SelectedMacro();
    app_.settings.PrimarySort = primary;
    list_.Fill();
    list_.SelectMacro(selected);
    ApplyCommands();
    SaveSettings(app_.profile, app_.settings);
    Trace("sorted " + primary);
}

void MainWindow::ColumnsSized() {
    bool changed = false;
    for (int c = 0; c < 3; ++c) {
        const int width = FromScreen(ListView_GetColumnWidth(list_.Handle(), c + 2));
        changed = changed || width != app_.settings.ColWidth[c];
        app_.settings.ColWidth[c] = width;
    }
    if (changed) SaveSettings(app_.profile, app_.settings);
}

// Only where the scripting editor may open: not in the Browse modes, not
// for popup menus and system macros.
void MainWindow::RowDoubleClick(int n) {
    if (n <= 0 || !model_.MacroState().Enabled(MacroCommand::Scripting)) return;
    OnCommand(kMenuScripting);
}

void MainWindow::MenuTutorialClick() {
    if (TutorialNoticeDialog().Create(hwnd_) == IDOK) model_.OpenTutorial();
}

}  // namespace tavrin
