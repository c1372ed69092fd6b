#pragma once
// "Play a Video Clip": an AVI file and when to play it.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

// Kinds: 1 play at once, 2 play at once and close when done, 3 wait to play.
struct PlayVideoValues {
    int Kind = 0;
    std::string Path;  // short form
};

struct PlayVideoFields {
    int Kind = 0;
    std::string Path;
};

enum PlayVideoField { kPlayVideoPath = 1 };

PlayVideoFields NewPlayVideoFields();
PlayVideoFields PlayVideoFieldsOf(const PlayVideoValues& values);
PlayVideoValues PlayVideoValuesOf(const TagMatch& match);
CommandAnswer<PlayVideoValues> AcceptPlayVideo(const PlayVideoFields& fields, FileSystem& files);

}  // namespace tavrin
