#include "forms/build_menu_form.h"

#include <algorithm>

#include "language/ansi_text.h"
#include "triggers/activation_text.h"
#include "triggers/macro_menu.h"
#include "triggers/schedule.h"

namespace tavrin {

namespace {

constexpr size_t kQuickInfoTextChars = 100;
constexpr size_t kIconFileChars = 12;

}  // namespace

BuildMenuForm::BuildMenuForm(MacroStore& store, int n) : store_(store), n_(n), isNew_(n <= 0) {
    MacroRecord menu;
    if (!isNew_ && store.ReadMacro(n, menu)) {
        nickname = oldNickname_ = menu.Nickname;
        inTray = oldInTray_ = menu.MenuInTray() == 'Y';
        if (menu.MenuShow() >= '1' && menu.MenuShow() <= '3') show = menu.MenuShow();
        if (menu.MenuIconSize() >= '0' && menu.MenuIconSize() <= '4') iconSize = menu.MenuIconSize();
        iconFile = store.IconOf(n);  // one whose file is gone is the menu icon again
        members_ = MenuMembers(menu, store.Table());
    }
    const MacroTable& t = store.Table();
    for (int k = 1; k <= t.MacroCount(); ++k) {
        if (t.ScopeOf(k) == kScopeSystem || k == n_) continue;  // nor the menu itself
        if (std::find(members_.begin(), members_.end(), k) != members_.end()) continue;
        available_.push_back(k);
    }
}

std::string BuildMenuForm::ListText(int n) const {
    const std::string& name = store_.NicknameOf(n);
    return name.empty() ? ActivationText(store_, n) : name;
}

FormCheck BuildMenuForm::Add(int available) { return Insert(available, MemberCount() - 1, true); }

FormCheck BuildMenuForm::Insert(int available, int member, bool after) {
    if (available < 0 || available >= static_cast<int>(available_.size()))
        return {false, "Error", kNoMacroSelected};
    if (!CanAdd()) return {false, "Error", "A Popup Menu holds at most 36 macros."};
    int at = member < 0 ? MemberCount() : member + (after ? 1 : 0);
    at = std::min(at, MemberCount());
    members_.insert(members_.begin() + at, available_[available]);
    available_.erase(available_.begin() + available);
    return {};
}

FormCheck BuildMenuForm::Remove(int member) {
    if (member < 0 || member >= MemberCount()) return {false, "Error", kNoMacroSelected};
    PutBack(members_[member]);
    members_.erase(members_.begin() + member);
    return {};
}

void BuildMenuForm::PutBack(int n) {
    available_.insert(std::upper_bound(available_.begin(), available_.end(), n), n);
}

void BuildMenuForm::Up(int member) {
    if (CanUp(member)) std::swap(members_[member], members_[member - 1]);
}

void BuildMenuForm::Down(int member) {
    if (CanDown(member)) std::swap(members_[member], members_[member + 1]);
}

std::string BuildMenuForm::QuickInfo(int n) const {
    const MacroTable& t = store_.Table();
    MacroRecord r;
    store_.ReadMacro(n, r);
    std::string trigger;
    switch (t.HotKeyOf(n)) {
        case kHotKeyNone: trigger = "None"; break;
        case kHotKeyWindowTitle: trigger = "Window Title"; break;
        case kHotKeyTimed: trigger = "Timed Macro"; break;
        case kHotKeyQuillet: trigger = "Quillet: " + store_.QuilletOf(n); break;
        default: trigger = "Hot Key: " + ActivationText(store_, n); break;
    }
    std::string scope;
    switch (t.ScopeOf(n)) {
        case kScopeGlobal: scope = "Scope: GLOBAL"; break;
        case kScopePopupMenu: scope = "Scope: Popup Menu"; break;
        default:
            scope = "Scope: " + r.ScopeName +
                    (r.TopMostOnly ? " \"Window\" (Top Most Only)" : " \"Window\" (If Active)");
    }
    std::string info = trigger + "\n\n" + "Name: " + store_.NicknameOf(n) + "\n\n" + scope +
                       "\n\n" + (t.ActiveOf(n) ? "Active: Yes" : "Active: No") + "\n\n";
    if (t.HotKeyOf(n) == kHotKeyTimed) info += "Schdedule: " + GetSched(r) + "\n\n";
    return info + "Macro: " + r.MacroText.substr(0, kQuickInfoTextChars) + "\n\n";
}

bool BuildMenuForm::ApplyTo(MacroRecord& r) const {
    if (isNew_) r.Active = 1;
    r.Nickname = nickname.substr(0, 50);
    r.IconFile = iconFile;
    r.Scope = kScopePopupMenu;
    r.SetMenuOptions(inTray ? 'Y' : 'N', show, iconSize);
    r.MenuItems.assign(members_.begin(), members_.end());
    r.MacroText.clear();
    return (isNew_ && inTray) || (!isNew_ && (nickname != oldNickname_ || inTray != oldInTray_));
}

IconChoice ChooseMenuIcon(const std::string& chosenPath, const std::string& iconsFolder,
                          bool nameExistsInFolder) {
    IconChoice choice;
    const std::string upper = UpperCase(chosenPath);
    if (upper.size() < 4 || upper.substr(upper.size() - 4) != ".ICO") {
        choice.check = {false, "Error", "Invalid file type selected."};
        return choice;
    }
    const size_t slash = chosenPath.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : chosenPath.substr(0, slash);
    choice.name = chosenPath.substr(slash == std::string::npos ? 0 : slash + 1);
    if (UpperCase(folder) != UpperCase(iconsFolder)) {
        if (nameExistsInFolder) {
            choice.check = {false, "Error",
                            "The selected icon could not be opened.  An icon of this name already "
                            "exists in the default icon folder.  It will be opened instead."};
        } else {
            choice.copy = true;
        }
    }
    choice.name = choice.name.substr(0, kIconFileChars);
    return choice;
}

TakenIcon TakeMenuIcon(const std::string& chosenPath, const std::string& iconsFolder, Files& files,
                       FileSystem& fileSystem) {
    TakenIcon taken;
    const size_t slash = chosenPath.find_last_of("\\/");
    const std::string target =
        iconsFolder + "\\" + chosenPath.substr(slash == std::string::npos ? 0 : slash + 1);
    const bool inFolder = files.Exists(target);
    const IconChoice choice = ChooseMenuIcon(chosenPath, iconsFolder, inFolder);
    taken.failure = choice.check;
    if (!choice.check.ok && (choice.name.empty() || !inFolder)) return taken;
    if (choice.copy) {
        fileSystem.CreateFolder(iconsFolder);  // there already, mostly
        if (!fileSystem.CopyNew(chosenPath, target)) {
            taken.failure = {false, "Error", "The icon could not be copied into " + iconsFolder + "."};
            return taken;
        }
    }
    const std::string shortPath = fileSystem.ShortPath(target);
    const std::string name =
        shortPath.empty() ? choice.name : shortPath.substr(shortPath.find_last_of("\\/") + 1);
    taken.name = name.substr(0, kIconFileChars);
    return taken;
}

}  // namespace tavrin
