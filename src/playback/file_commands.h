#pragma once
// The folder, file and address tags of a macro, and text files played as
// macro text.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "language/tag_recogniser.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/playback_ui.h"

namespace tavrin {

class FileCommands {
public:
    using PlayText = std::function<void(const std::string&)>;

    // play runs a text as a nested macro.
    FileCommands(FileSystem& fileSystem, Files& files, Desktop& desktop, PlaybackUi& ui,
                 PlayText play)
        : fileSystem_(fileSystem), files_(files), desktop_(desktop), ui_(ui),
          play_(std::move(play)) {}

    // Plays a tag of CommandGroup::File (a folder, file or address tag);
    // false, having done nothing, for a tag of another group.
    bool PlayTag(const TagMatch& tag);

private:
    // Creates the folder and its missing parents, from the left; the first
    // that cannot be created is shown and ends the command.
    void MakeFolder(const std::string& folder);

    FileSystem& fileSystem_;
    Files& files_;
    Desktop& desktop_;
    PlaybackUi& ui_;
    PlayText play_;
};

}  // namespace tavrin
