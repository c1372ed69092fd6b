#include "ui/network_drive_dialog.h"

#include <shlobj.h>
#include <winnetwk.h>

#include "platform/win32/win32_network_drives.h"
#include "ui/network_drive_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kNetworkConnect, kNetworkDisconnect, kNetworkToggle};

// The local and remote names of the disk connections of a scope; none when
// the network cannot list them.
std::vector<std::string> MappedDrives(DWORD scope) {
    std::vector<std::string> lines;
    HANDLE list = nullptr;
    if (WNetOpenEnumA(scope, RESOURCETYPE_DISK, 0, nullptr, &list) != NO_ERROR) return lines;
    alignas(NETRESOURCEA) char buffer[16384];
    for (;;) {
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = sizeof buffer;
        if (WNetEnumResourceA(list, &count, buffer, &size) != NO_ERROR) break;
        const auto* resources = reinterpret_cast<const NETRESOURCEA*>(buffer);
        for (DWORD k = 0; k < count; ++k)
            lines.push_back(MappedDriveLine(resources[k].lpLocalName ? resources[k].lpLocalName : "",
                                            resources[k].lpRemoteName ? resources[k].lpRemoteName : ""));
    }
    WNetCloseEnum(list);
    return lines;
}

}  // namespace

NetworkDriveDialog::NetworkDriveDialog(const NetworkDriveFields& fields)
    : CommandDialog(kNetworkDriveDialog, "Network Connection"), fields_(fields) {}

bool NetworkDriveDialog::OnInit() {
    drives_ = NetworkDriveLetters(GetLogicalDrives(), Win32NetworkDrives().ConnectedDrives());
    for (const std::string& drive : drives_)
        SendDlgItemMessageA(Handle(), kNetworkDrive, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(drive.c_str()));
    SendDlgItemMessageA(Handle(), kNetworkDrive, CB_SETCURSEL, DriveLine(drives_, fields_), 0);
    SetItemText(kNetworkPath, fields_.Path);
    SetItemText(kNetworkName, fields_.Name);
    SetItemText(kNetworkPassword, fields_.Password);
    SetChecked(kNetworkDefaultLogon, fields_.DefaultLogon);
    SetChecked(kNetworkPermanent, fields_.Permanent);
    SetChecked(kNetworkForce, fields_.Force);
    SetChecked(kNetworkStatus, fields_.Status);
    EnableLogon();
    const bool chosen = fields_.Kind >= 1 && fields_.Kind <= 3;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    ShowPanels();
    CentreOnScreen();  // the layout for the choice changed its size
    if (!chosen) return true;
    SetFocus(Item(kChoices[fields_.Kind - 1]));
    return false;
}

bool NetworkDriveDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case kNetworkConnect:
    case kNetworkDisconnect:
    case kNetworkToggle:
        ShowPanels();
        return true;
    case kNetworkDefaultLogon:
        EnableLogon();
        return true;
    case kNetworkListMapped:
        FillMapped(kNetworkListMapped, kNetworkMapped, RESOURCE_CONNECTED);
        return true;
    case kNetworkListBootup:
        FillMapped(kNetworkListBootup, kNetworkBootup, RESOURCE_REMEMBERED);
        return true;
    case kNetworkBrowse:
        BrowseShares();
        return true;
    default:
        return false;
    }
}

void NetworkDriveDialog::ShowPanels() {
    const bool disconnect = CheckedOf(kChoices, 0) == kNetworkDisconnect;
    SetItemText(kNetworkPermanent,
                disconnect ? "&Make Disconnection Permanent (Do not Map Drive on Bootup)"
                           : "&Make Connection Permanent (Map Drive on Windows Bootup)");
    ShowItems({kNetworkForce}, disconnect);
    ShowItems({kNetworkPathLabel, kNetworkPath, kNetworkBrowse, kNetworkDefaultLogon,
               kNetworkNameLabel, kNetworkName, kNetworkPasswordLabel, kNetworkPassword},
              !disconnect);
    PlaceButtonsBelow(disconnect ? kNetworkStatus : kNetworkPassword, {IDOK, IDCANCEL, IDHELP});
}

void NetworkDriveDialog::EnableLogon() {
    const bool own = !IsChecked(kNetworkDefaultLogon);
    for (int id : {kNetworkNameLabel, kNetworkName, kNetworkPasswordLabel, kNetworkPassword})
        EnableItem(id, own);
}

void NetworkDriveDialog::FillMapped(int check, int list, unsigned long scope) {
    SendDlgItemMessageA(Handle(), list, LB_RESETCONTENT, 0, 0);
    if (!IsChecked(check)) return;
    for (const std::string& line : MappedDrives(scope))
        SendDlgItemMessageA(Handle(), list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void NetworkDriveDialog::BrowseShares() {
    LPITEMIDLIST root = nullptr;
    if (SHGetSpecialFolderLocation(Handle(), CSIDL_NETWORK, &root) != S_OK) return;
    BROWSEINFOA browse{};
    browse.hwndOwner = Handle();
    browse.pidlRoot = root;
    browse.lpszTitle = "Please choose a network drive";
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    char path[MAX_PATH] = "";
    if (chosen && SHGetPathFromIDListA(chosen, path)) SetItemText(kNetworkPath, NetworkShareOf(path));
    CoTaskMemFree(chosen);
    CoTaskMemFree(root);
}

void NetworkDriveDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    const auto line = SendDlgItemMessageA(Handle(), kNetworkDrive, CB_GETCURSEL, 0, 0);
    fields_.Drive = line >= 0 && static_cast<size_t>(line) < drives_.size() ? drives_[line] : "";
    fields_.Path = ItemText(kNetworkPath);
    fields_.DefaultLogon = IsChecked(kNetworkDefaultLogon);
    fields_.Name = ItemText(kNetworkName);
    fields_.Password = ItemText(kNetworkPassword);
    fields_.Permanent = IsChecked(kNetworkPermanent);
    fields_.Force = IsChecked(kNetworkForce);
    fields_.Status = IsChecked(kNetworkStatus);
    const auto answer = AcceptNetworkDrive(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kNetworkPath);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
