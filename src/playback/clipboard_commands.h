#pragma once
// The clipboard tags of a macro: text and pictures to the clipboard, Copy
// and Paste keys, and the clipboard's text played as macro text.
#include <functional>
#include <string>

#include "language/tag_recogniser.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/playback_ui.h"
#include "playback/keystrokes.h"

namespace tavrin {

class ClipboardCommands {
public:
    // pause waits seconds whatever the speed; play plays text as a nested
    // run of the macro.
    ClipboardCommands(Clipboard& clipboard, Files& files, PlaybackUi& ui, Keystrokes& keys,
                      std::function<void(double)> pause,
                      std::function<void(const std::string&)> play)
        : clipboard_(clipboard), files_(files), ui_(ui), keys_(keys), pause_(pause), play_(play) {}

    // Plays a tag of CommandGroup::Clipboard; false, having done nothing, for
    // a tag of another group. pos is the position after the tag in text;
    // "<BEGCLIP>" moves it past the text it takes.
    bool PlayTag(const TagMatch& tag, const std::string& text, size_t& pos);

private:
    void BeginClip(const std::string& text, size_t& pos);
    void CtrlKey(uint8_t key);

    Clipboard& clipboard_;
    Files& files_;
    PlaybackUi& ui_;
    Keystrokes& keys_;
    std::function<void(double)> pause_;
    std::function<void(const std::string&)> play_;
};

}  // namespace tavrin
