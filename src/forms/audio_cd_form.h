#pragma once
// "Audio CD Controls": play, stop, pause, change track, step, eject or
// close the tray of the audio CD.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr int kAudioCdNumberChars = 2;

// Kinds: 1 play, 2 stop, 3 pause, 4 next track, 5 previous track, 6 go to
// track, 7 step, 8 back, 9 eject, 10 close the tray.
struct AudioCdValues {
    int Kind = 0;
    int Number = 0;  // the track (6) or the seconds (7, 8)
};

struct AudioCdFields {
    int Kind = 0;
    std::string Number;
};

enum AudioCdField { kAudioCdNumber = 1 };

// Kinds with the number field: 6 the track, 7 and 8 the seconds.
bool AudioCdHasNumber(int kind);

AudioCdFields NewAudioCdFields();
AudioCdFields AudioCdFieldsOf(const AudioCdValues& values);
AudioCdValues AudioCdValuesOf(const TagMatch& match);
CommandAnswer<AudioCdValues> AcceptAudioCd(const AudioCdFields& fields);

}  // namespace tavrin
