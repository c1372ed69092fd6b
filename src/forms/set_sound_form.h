#pragma once
// "Set Sound": a beep, or a wave file played with or without waiting for
// it to finish.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

class FileSystem;

// Kinds: 1 beep, 2 wave file.
struct SetSoundValues {
    int Kind = 0;
    std::string Path;  // as typed
    bool Wait = false;
};

struct SetSoundFields {
    int Kind = 0;
    std::string Path;
    bool Wait = false;
};

enum SetSoundField { kSetSoundPath = 1 };

SetSoundFields NewSetSoundFields();
SetSoundFields SetSoundFieldsOf(const SetSoundValues& values);
SetSoundValues SetSoundValuesOf(const TagMatch& match);
CommandAnswer<SetSoundValues> AcceptSetSound(const SetSoundFields& fields, FileSystem& files);
// The wave file "&Test" plays, as typed; refused, as "&Ok" refuses it, when
// it does not exist.
CommandAnswer<std::string> WaveToTest(const SetSoundFields& fields, FileSystem& files);

}  // namespace tavrin
