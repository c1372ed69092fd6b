#include "app/main_menu.h"

#include "app/menu_ids.h"

namespace tavrin {

void MainMenu::Load(HWND window) {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), "MAINMENU");
    SetMenu(window, menu_);
}

void MainMenu::Check(int id, bool on) {
    CheckMenuItem(menu_, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void MainMenu::Enable(int id, bool on) {
    EnableMenuItem(menu_, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void MainMenu::SetCaption(int id, const std::string& caption) {
    ModifyMenuA(menu_, id, MF_BYCOMMAND | MF_STRING, id, caption.c_str());
}

std::string MainMenu::Caption(int id) const {
    char text[128] = "";
    if (GetMenuStringA(menu_, id, text, sizeof text, MF_BYCOMMAND) <= 0) return "";
    std::string caption;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '&') ++p;  // "&&" stands for one "&"
        if (*p == '\0') break;
        caption += *p;
    }
    return caption;
}

void MainMenu::SetLastFiles(const RecentFiles& files) {
    const LastFilesMenu model = tavrin::SetMenuLastFiles(files);
    HMENU file = GetSubMenu(menu_, 0);
    for (int id = kMenuLastFile1; id < kMenuLastFile1 + 5; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
    DeleteMenu(file, kMenuLastFileSeparator, MF_BYCOMMAND);
    if (model.separatorVisible)
        AppendMenuA(file, MF_SEPARATOR, kMenuLastFileSeparator, nullptr);
    for (int k = 0; k < 5; ++k) {
        if (model.itemVisible[k])
            AppendMenuA(file, MF_STRING, kMenuLastFile1 + k, model.itemCaption[k].c_str());
    }
}

}  // namespace tavrin
