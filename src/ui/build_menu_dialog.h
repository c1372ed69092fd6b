#pragma once
// "Build Macro Menu" over its model: the two lists and
// their buttons, the options, the icon button (the icon is copied into the
// program's "Icons" folder), and Quick Info on a right click on a row.
#include <string>

#include "forms/build_menu_form.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "ui/macro_icons.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class BuildMenuDialog : public ModalDialog {
public:
    BuildMenuDialog(BuildMenuForm& form, std::string iconsFolder, Files& files,
                    FileSystem& fileSystem);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

    void FillLists(int selectMember);
    void EnableButtons();
    int Selected(int listId) const;
    void Act(const FormCheck& check, int selectMember);
    void LoadIcon();
    void ShowIcon();

    BuildMenuForm& form_;
    std::string iconsFolder_;
    Files& files_;
    FileSystem& fileSystem_;
    MacroIcons icons_{16};
};

}  // namespace tavrin
