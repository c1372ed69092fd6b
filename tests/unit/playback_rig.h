#pragma once
// A player on fakes of everything it touches, with its own macro store.
#include <string>
#include <vector>

#include "fakes/fake_clipboard.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_input.h"
#include "fakes/fake_player_host.h"
#include "fakes/fake_playback_ui.h"
#include "fakes/fake_pump.h"
#include "fakes/fake_sound.h"
#include "fakes/fake_system.h"
#include "fakes/store_rig.h"
#include "playback/player.h"

namespace tavrin {

// The fakes of the system that playback and the triggers reach.
struct FakePlatform : StoreFakes {
    FakeInput input;
    FakeDesktop desktop;
    FakePump pump;
    FakePlaybackUi ui;
    FakeFileSystem fileSystem{files};
    FakeClipboard clipboard;
    FakeSound sound;
    FakeSystem system;

    // The fakes as a player takes them; its keys go to keys, the fake input
    // or a filter in front of it.
    PlayerPlatform ForPlayer(Input& keys) {
        return {keys, desktop, fileSystem, files, clipboard, pump, ui, hooks, clock, sound,
                system.platform};
    }
};

struct PlaybackRig : FakePlatform {
    std::string currentFile;
    MacroStore store = FakeStore(*this, currentFile);
    FakePlayerHost host;
    Player player{ForPlayer(input), store, host};
};

// The letters (in lower case) and digits that key events typed, in order.
inline std::string TypedKeys(const std::vector<std::string>& events) {
    std::string typed;
    for (const std::string& e : events) {
        if (e.compare(0, 5, "down ") != 0) continue;
        const int key = std::stoi(e.substr(5));
        if (key >= '0' && key <= '9') typed += static_cast<char>(key);
        if (key >= 'A' && key <= 'Z') typed += static_cast<char>(key - 'A' + 'a');
    }
    return typed;
}

}  // namespace tavrin
