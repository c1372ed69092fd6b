#pragma once
// "Build Macro Menu": the members of a popup menu chosen
// from the macros of the file, the menu's options, its icon, and the Quick
// Info of a macro; the result goes into the record.
#include <string>
#include <vector>

#include "forms/system_keys_form.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "store/macro_store.h"
#include "triggers/macro_menu.h"

namespace tavrin {

inline constexpr char kNoMacroSelected[] = "No macro selected.  Please select one.";

class BuildMenuForm {
public:
    // Menu macro n, or a new empty menu for 0.
    BuildMenuForm(MacroStore& store, int n);

    // Macro numbers: the macros that may still be added (no system macro,
    // no member), in table order, and the members in menu order.
    const std::vector<int>& Available() const { return available_; }
    const std::vector<int>& Members() const { return members_; }
    // The text a list shows for macro n: its nickname, or its trigger.
    std::string ListText(int n) const;

    bool CanAdd() const { return members_.size() < kMaxMenuMembers; }
    bool CanUp(int member) const { return member > 0 && member < MemberCount(); }
    bool CanDown(int member) const { return member >= 0 && member + 1 < MemberCount(); }
    // available and member are list rows, -1 for no selection. Insert puts
    // the macro before (after = false) or after the selected member (at the
    // end with none).
    FormCheck Add(int available);
    FormCheck Insert(int available, int member, bool after);
    // The member goes back into the available list at its place by number.
    FormCheck Remove(int member);
    void Up(int member);
    void Down(int member);

    std::string nickname;
    bool inTray = false;
    char show = '3';
    char iconSize = '0';
    std::string iconFile = "MENU";

    // The box shown for a right click on a row: title "Quick Info".
    std::string QuickInfo(int n) const;

    // "&Ok": the menu's fields into the record (its number of members and
    // options too); true when the tray icons need rebuilding.
    bool ApplyTo(MacroRecord& record) const;

private:
    int MemberCount() const { return static_cast<int>(members_.size()); }
    void PutBack(int n);

    MacroStore& store_;
    int n_;  // the menu's own macro number, 0 for a new one
    std::vector<int> available_;
    std::vector<int> members_;
    bool isNew_;
    std::string oldNickname_;
    bool oldInTray_ = false;
};

// The icon button: a chosen file must end in ".ICO"; one outside the
// "Icons" folder is copied into it unless a file of its name is there.
struct IconChoice {
    FormCheck check;
    bool copy = false;      // copy the chosen file into the folder
    std::string name;       // the file name within the folder
};
IconChoice ChooseMenuIcon(const std::string& chosenPath, const std::string& iconsFolder,
                          bool nameExistsInFolder);

// "Load in Icon": the chosen file taken into the "Icons" folder, copied
// there when it comes from elsewhere. name is the file name to keep, by its
// short form, empty when no icon can be used; failure is the message to
// show, which may come with a name (the folder's icon of the same name is
// used instead).
struct TakenIcon {
    std::string name;
    FormCheck failure;
};
TakenIcon TakeMenuIcon(const std::string& chosenPath, const std::string& iconsFolder, Files& files,
                       FileSystem& fileSystem);

}  // namespace tavrin
