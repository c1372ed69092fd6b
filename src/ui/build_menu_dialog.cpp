#include "ui/build_menu_dialog.h"

#include <windowsx.h>

#include "ui/build_menu_dialog_res.h"
#include "ui/file_dialog.h"

namespace tavrin {

namespace {

constexpr const char* kIconSizes[] = {"16 x 16", "24 x 24", "32 x 32", "48 x 48", "64 x 64"};
constexpr size_t kNicknameChars = 50;

}  // namespace

BuildMenuDialog::BuildMenuDialog(BuildMenuForm& form, std::string iconsFolder)
    : ModalDialog(kBuildMenuDialog), form_(form), iconsFolder_(std::move(iconsFolder)) {}

BuildMenuDialog::~BuildMenuDialog() {
    if (icon_) DestroyIcon(icon_);
}

bool BuildMenuDialog::OnInit() {
    LimitText(kBuildNickname, kNicknameChars);
    SetItemText(kBuildNickname, form_.nickname);
    SetChecked(kBuildInTray, form_.inTray);
    SetChecked(kBuildShowFirstPart + (form_.show - '1'), true);
    for (const char* size : kIconSizes) ComboBox_AddString(Item(kBuildIconSize), size);
    ComboBox_SetCurSel(Item(kBuildIconSize), form_.iconSize - '0');
    FillLists(-1);
    ShowIcon();
    return true;
}

void BuildMenuDialog::FillLists(int selectMember) {
    HWND available = Item(kBuildAvailable);
    HWND members = Item(kBuildMembers);
    ListBox_ResetContent(available);
    ListBox_ResetContent(members);
    for (int n : form_.Available()) ListBox_AddString(available, form_.ListText(n).c_str());
    for (int n : form_.Members()) ListBox_AddString(members, form_.ListText(n).c_str());
    ListBox_SetCurSel(members, selectMember);
    EnableButtons();
}

int BuildMenuDialog::Selected(int listId) const { return ListBox_GetCurSel(Item(listId)); }

void BuildMenuDialog::EnableButtons() {
    const int member = Selected(kBuildMembers);
    for (int id : {kBuildAdd, kBuildInsertBefore, kBuildInsertAfter}) EnableItem(id, form_.CanAdd());
    EnableItem(kBuildRemove, member >= 0);
    EnableItem(kBuildUp, form_.CanUp(member));
    EnableItem(kBuildDown, form_.CanDown(member));
}

void BuildMenuDialog::Act(const FormCheck& check, int selectMember) {
    if (!check.ok) return ShowFailure(check.title, check.message, kBuildAvailable);
    FillLists(selectMember);
}

bool BuildMenuDialog::OnCommand(int id, int code) {
    const int available = Selected(kBuildAvailable);
    const int member = Selected(kBuildMembers);
    const int count = static_cast<int>(form_.Members().size());
    switch (id) {
        case kBuildAvailable:
            if (code == LBN_DBLCLK && form_.CanAdd()) Act(form_.Add(available), count);
            return true;
        case kBuildMembers:
            if (code == LBN_SELCHANGE) EnableButtons();
            return true;
        case kBuildAdd: Act(form_.Add(available), count); return true;
        case kBuildInsertBefore: Act(form_.Insert(available, member, false), member < 0 ? count : member); return true;
        case kBuildInsertAfter: Act(form_.Insert(available, member, true), member < 0 ? count : member + 1); return true;
        case kBuildRemove: Act(form_.Remove(member), -1); return true;
        case kBuildUp:
            form_.Up(member);
            FillLists(member - 1);
            return true;
        case kBuildDown:
            form_.Down(member);
            FillLists(member + 1);
            return true;
        case kBuildIconButton: LoadIcon(); return true;
    }
    return false;
}

// A right click on a row of either list: Quick Info on its macro.
bool BuildMenuDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_CONTEXTMENU) return false;
    HWND list = reinterpret_cast<HWND>(wParam);
    const bool members = list == Item(kBuildMembers);
    if (!members && list != Item(kBuildAvailable)) return false;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(list, &p);
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    const int row = LOWORD(hit);
    const std::vector<int>& macros = members ? form_.Members() : form_.Available();
    if (HIWORD(hit) != 0 || row >= static_cast<int>(macros.size())) return true;
    MessageBoxA(Handle(), form_.QuickInfo(macros[row]).c_str(), "Quick Info", MB_OK | MB_ICONINFORMATION);
    return true;
}

void BuildMenuDialog::LoadIcon() {
    FileDialogRequest request;
    request.filter = "Icons (*.ICO)\0*.ICO\0All Files (*.*)\0*.*\0";
    request.title = "Load in Icon";
    request.initialFolder = iconsFolder_.c_str();
    request.keepFolder = true;
    const std::string chosen = ChooseFileName(Handle(), request);
    if (chosen.empty()) return;
    const size_t slash = chosen.find_last_of("\\/");
    const std::string target = iconsFolder_ + "\\" + chosen.substr(slash + 1);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    const IconChoice choice = ChooseMenuIcon(chosen, iconsFolder_, attributes != INVALID_FILE_ATTRIBUTES);
    if (!choice.check.ok) {
        MessageBoxA(Handle(), choice.check.message.c_str(), choice.check.title.c_str(), MB_OK | MB_ICONERROR);
        if (choice.name.empty() || attributes == INVALID_FILE_ATTRIBUTES) return;
    }
    if (choice.copy) {
        CreateDirectoryA(iconsFolder_.c_str(), nullptr);
        if (!CopyFileA(chosen.c_str(), target.c_str(), TRUE)) {
            MessageBoxA(Handle(), ("The icon could not be copied into " + iconsFolder_ + ".").c_str(),
                        "Error", MB_OK | MB_ICONERROR);
            return;
        }
    }
    char shortPath[MAX_PATH] = "";
    std::string name = choice.name;
    if (GetShortPathNameA(target.c_str(), shortPath, MAX_PATH) > 0) {
        const std::string s = shortPath;
        name = s.substr(s.find_last_of("\\/") + 1);
    }
    form_.iconFile = name.substr(0, 12);
    ShowIcon();
}

void BuildMenuDialog::ShowIcon() {
    if (icon_) DestroyIcon(icon_);
    icon_ = nullptr;
    HICON shown = nullptr;
    if (form_.iconFile != "MENU" && form_.iconFile != "MAIN") {
        const std::string path = iconsFolder_ + "\\" + form_.iconFile;
        icon_ = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
        shown = icon_;
    }
    if (!shown) shown = ::LoadIcon(nullptr, form_.iconFile == "MAIN" ? IDI_APPLICATION : IDI_INFORMATION);
    SendDlgItemMessageA(Handle(), kBuildIconButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(shown));
}

void BuildMenuDialog::OnOK() {
    form_.nickname = ItemText(kBuildNickname);
    form_.inTray = IsChecked(kBuildInTray);
    for (char style = '1'; style <= '3'; ++style)
        if (IsChecked(kBuildShowFirstPart + (style - '1'))) form_.show = style;
    const int size = ComboBox_GetCurSel(Item(kBuildIconSize));
    if (size >= 0 && size <= 4) form_.iconSize = static_cast<char>('0' + size);
    End(IDOK);
}

}  // namespace tavrin
