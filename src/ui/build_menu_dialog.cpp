#include "ui/build_menu_dialog.h"

#include <windowsx.h>

#include "ui/build_menu_dialog_res.h"
#include "ui/file_dialog.h"

namespace tavrin {

namespace {

constexpr const char* kIconSizes[] = {"16 x 16", "24 x 24", "32 x 32", "48 x 48", "64 x 64"};
constexpr size_t kNicknameChars = 50;

}  // namespace

BuildMenuDialog::BuildMenuDialog(BuildMenuForm& form, std::string iconsFolder, Files& files,
                                 FileSystem& fileSystem)
    : ModalDialog(kBuildMenuDialog),
      form_(form),
      iconsFolder_(std::move(iconsFolder)),
      files_(files),
      fileSystem_(fileSystem) {}

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
    const TakenIcon taken = TakeMenuIcon(chosen, iconsFolder_, files_, fileSystem_);
    if (!taken.failure.ok)
        MessageBoxA(Handle(), taken.failure.message.c_str(), taken.failure.title.c_str(),
                    MB_OK | MB_ICONERROR);
    if (taken.name.empty()) return;
    form_.iconFile = taken.name;
    ShowIcon();
}

void BuildMenuDialog::ShowIcon() {
    const HICON shown = icons_.Icon(form_.iconFile, iconsFolder_ + "\\" + form_.iconFile, true);
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
