#include "playback/file_commands.h"

#include "playback/text_file.h"

namespace tavrin {

void FileCommands::MakeFolder(const std::string& folder) {
    if (fileSystem_.FolderExists(folder)) return;
    // Each step takes the path up to and including the next backslash.
    size_t end = 0;
    while (end < folder.size()) {
        const size_t slash = folder.find('\\', end);
        end = slash == std::string::npos ? folder.size() : slash + 1;
        const std::string path = folder.substr(0, end);
        if (fileSystem_.FolderExists(path) || fileSystem_.CreateFolder(path)) continue;
        ui_.ShowNotice("Create Folder Failed",
                       "Folder \"" + path + "\" could not be created.");
        return;
    }
}

bool FileCommands::PlayTag(const TagMatch& tag) {
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::ChangeDir: fileSystem_.SetCurrentFolder(f.Texts[0]); break;
        case TagKind::MakeDir: MakeFolder(f.Texts[0]); break;
        case TagKind::DeleteFile: fileSystem_.RemoveFile(f.Texts[0]); break;
        case TagKind::CopyFile: fileSystem_.CopyReplacing(f.Texts[0], f.Texts[1]); break;
        case TagKind::RenameFile: fileSystem_.Move(f.Texts[0], f.Texts[1]); break;
        case TagKind::TextFile: {
            std::string text;
            if (ReadTextFile(files_, ui_, f.Texts[0], text)) play_(text);
            break;
        }
        case TagKind::Http: case TagKind::Ftp: desktop_.OpenAddress(f.Texts[0]); break;
        case TagKind::Explore: desktop_.Explore(f.Texts[0]); break;
        default: return false;
    }
    return true;
}

}  // namespace tavrin
