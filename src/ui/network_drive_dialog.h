#pragma once
// "Map or Unmap  A Network Drive", over its model in forms/network_drive_form.h.
#include <string>
#include <vector>

#include "forms/network_drive_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class NetworkDriveDialog : public CommandDialog {
public:
    explicit NetworkDriveDialog(const NetworkDriveFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // Shows the fields of the checked choice and moves the buttons below them.
    void ShowPanels();
    void EnableLogon();
    // Fills a list of mapped drives (scope RESOURCE_CONNECTED or
    // RESOURCE_REMEMBERED) when its check box is checked, else empties it.
    void FillMapped(int check, int list, unsigned long scope);
    void BrowseShares();

    NetworkDriveFields fields_;
    std::vector<std::string> drives_;
};

}  // namespace tavrin
