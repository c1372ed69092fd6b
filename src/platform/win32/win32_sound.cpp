#include "platform/win32/win32_sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace tavrin {

void Win32Sound::PlayWave(const std::string& path, bool wait) {
    // Without a sound device this fails at once; nothing else is to be done.
    PlaySoundA(path.c_str(), nullptr,
               SND_FILENAME | SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC));
}

}  // namespace tavrin
