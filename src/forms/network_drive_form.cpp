#include "forms/network_drive_form.h"

#include <cctype>

#include "language/scrambled_password.h"
#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

namespace tavrin {
namespace {

constexpr size_t kDriveChars = 2;  // "E:"

std::string FlagsOf(bool permanent, bool force, bool status) {
    std::string flags;
    if (permanent) flags += 'P';
    if (force) flags += 'F';
    if (status) flags += 'S';
    return flags;
}

}  // namespace

std::vector<std::string> NetworkDriveLetters(uint32_t logicalDrives,
                                             const std::vector<std::string>& connected) {
    std::vector<std::string> letters;
    for (int k = 0; k < 26; ++k) {
        const std::string drive = {static_cast<char>('A' + k), ':'};
        bool isConnected = false;
        for (const std::string& c : connected)
            if (c.size() >= kDriveChars && std::toupper(static_cast<unsigned char>(c[0])) == drive[0] &&
                c[1] == ':')
                isConnected = true;
        if (!(logicalDrives & (1u << k)) || isConnected) letters.push_back(drive);
    }
    return letters;
}

std::string NetworkShareOf(const std::string& chosen) {
    // The share name ends at the fourth backslash: \\server\share\folder.
    int backslashes = 0;
    for (size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k] == '\\' && ++backslashes == 4) return chosen.substr(0, k);
    return chosen;
}

std::string MappedDriveLine(const std::string& local, const std::string& remote) {
    return local + " mapped to " + remote;
}

NetworkDriveFields NewNetworkDriveFields() {
    NetworkDriveFields fields;
    fields.Kind = 1;
    return fields;
}

NetworkDriveFields NetworkDriveFieldsOf(const NetworkDriveValues& values) {
    NetworkDriveFields fields;
    fields.Kind = values.Kind;
    fields.Drive = values.DriveAndPath.substr(0, kDriveChars);
    if (values.DriveAndPath.size() > kDriveChars) fields.Path = values.DriveAndPath.substr(kDriveChars);
    fields.Name = values.Name;
    fields.Password = ScramblePassword(values.Password);
    fields.DefaultLogon = values.Name.empty() && values.Password.empty();
    fields.Permanent = values.Permanent;
    fields.Force = values.Force;
    fields.Status = values.Status;
    return fields;
}

NetworkDriveValues NetworkDriveValuesOf(const TagMatch& match) {
    NetworkDriveValues values;
    const std::string& flags = match.Fields.Flags;
    values.Permanent = flags.find('P') != std::string::npos;
    values.Force = flags.find('F') != std::string::npos;
    values.Status = flags.find('S') != std::string::npos;
    if (match.Kind == TagKind::NetDisconnect) {
        values.Kind = kNetworkDisconnect;
        values.DriveAndPath = match.Fields.Texts[0];
    } else if (match.Kind == TagKind::NetConnect || match.Kind == TagKind::NetToggle) {
        values.Kind = match.Kind == TagKind::NetConnect ? 1 : 3;
        values.Name = match.Fields.Texts[0];
        values.Password = match.Fields.Texts[1];
        values.DriveAndPath = match.Fields.Texts[2];
    }
    return values;
}

CommandAnswer<NetworkDriveValues> AcceptNetworkDrive(const NetworkDriveFields& fields) {
    NetworkDriveValues values;
    values.Kind = fields.Kind;
    values.Permanent = fields.Permanent;
    values.Status = fields.Status;
    TagFields tag;
    if (fields.Kind == kNetworkDisconnect) {
        values.Force = fields.Force;
        values.DriveAndPath = fields.Drive;
        tag.Flags = FlagsOf(values.Permanent, values.Force, values.Status);
        tag.Texts[0] = values.DriveAndPath;
        return Answer(WriteTag(TagKind::NetDisconnect, tag), values);
    }
    if (fields.Kind != 1 && fields.Kind != 3) return Answer(std::string(), values);
    const std::string path = FieldText(fields.Path);
    if (path.empty())
        return Refuse<NetworkDriveValues>("No network path has been entered.  Please correct.", 1);
    values.DriveAndPath = fields.Drive + path;
    if (!fields.DefaultLogon) {
        values.Name = FieldText(fields.Name);
        values.Password = ScramblePassword(fields.Password);
    }
    tag.Flags = FlagsOf(values.Permanent, false, values.Status);
    tag.Texts = {values.Name, values.Password, values.DriveAndPath};
    return Answer(WriteTag(fields.Kind == 1 ? TagKind::NetConnect : TagKind::NetToggle, tag), values);
}

int DriveLine(const std::vector<std::string>& drives, const NetworkDriveFields& fields) {
    if (fields.Drive.empty()) {
        // The second letter, as A: is most often a floppy drive's.
        if (drives.size() > 1) return 1;
        return drives.empty() ? -1 : 0;
    }
    for (size_t k = 0; k < drives.size(); ++k)
        if (drives[k] == fields.Drive) return static_cast<int>(k);
    return -1;
}

}  // namespace tavrin
