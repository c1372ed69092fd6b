// The main window's own macro commands: Quick Info, placing a macro on the
// desktop, the sort order, the column widths, the Quick Wizards and the
// launchers of the help file, the tutorial and the mouse locator.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/desktop_link_file.h"
#include "app/menu_ids.h"
#include "app/screen_dpi.h"
#include "forms/desktop_link.h"
#include "forms/macro_sort.h"
#include "forms/quick_wizard_buttons.h"
#include "playback/network_commands.h"
#include "ui/quick_info_dialog.h"
#include "ui/sort_order_dialog.h"
#include "ui/tutorial_notice_dialog.h"

namespace tavrin {

void MainWindow::ShowQuickInfo(int n) {
    if (n <= 0 || options_.browseAllMode) return;
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
    SetRowCommands();
}

// A right click on "Activation", "Nickname" or "Scope" sorts by it first.
void MainWindow::TitleSortClick(const std::string& title) {
    if (!app_.settings.SortHeader || options_.browseAllMode) return;
    const std::string primary = PrimarySortForTitle(title);
    if (primary.empty() || (!app_.settings.PrimarySort.empty() &&
                            app_.settings.PrimarySort[0] == primary[0]))
        return;
    const int selected = list_.SelectedMacro();
    app_.settings.PrimarySort = primary;
    list_.Fill();
    list_.SelectMacro(selected);
    SetRowCommands();
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
    if (n <= 0 || !CommandState().Enabled(MacroCommand::Scripting)) return;
    OnCommand(kMenuScripting);
}

void MainWindow::StartQuickWizard(int n) {
    if (n == kDialUpWizard && !app_.dialUp.Available()) {
        app_.messages.ShowMessage("Warning", kDialUpMissing);
        return;
    }
    const std::string refusal = QuickWizardRefusal(app_.store.MacroCount());
    if (!refusal.empty()) {
        app_.messages.ShowMessage("Error", refusal);
        return;
    }
    app_.messages.ShowMessage("Tavrin 99", "The Quick Wizard \"" + QuickWizardName(n) +
                                               "\" is not available in this version of "
                                               "Tavrin 99.");
}

void MainWindow::OpenProgramFile(const std::string& name, const std::string& parameters,
                               const std::string& missingText) {
    const std::string path = app_.programFolder + "\\" + name;
    if (!app_.files.Exists(path)) {
        app_.messages.ShowMessage("Error", missingText);
        return;
    }
    if (app_.desktop.Open(path, parameters) <= 32)
        app_.messages.ShowMessage("Error", "\"" + path + "\" could not be opened.");
}

void MainWindow::DoHelp() {
    OpenProgramFile("KORRINDA.HLP", "",
                    "The help file KORRINDA.HLP could not be located.  Please make sure that it "
                    "was installed.");
}

void MainWindow::MenuTutorialClick() {
    if (TutorialNoticeDialog().Create(hwnd_) != IDOK) return;
    OpenProgramFile("ZYTUT.PDF", "",
                    "The Tutorial / User Manual could not be located.  Please make sure that it "
                    "was installed.");
}

void MainWindow::MenuMouseLocClick() {
    OpenProgramFile("CURSFIND.EXE", "JQV",
                    "The Mouse Locator CURSFIND.EXE could not be located.  Please make sure that "
                    "it was installed.");
}

void MainWindow::MenuAboutClick() {
    app_.messages.ShowMessage("About Tavrin 99",
                              "Tavrin 99\n\nMacros started by hot keys, Quillets, schedules, "
                              "windows, menus and desktop links.");
}

void MainWindow::TrayTerminateClick() {
    terminating_ = true;
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

}  // namespace tavrin
