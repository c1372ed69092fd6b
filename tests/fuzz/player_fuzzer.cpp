// Any byte string as a macro text, played by the player on the fakes, whose
// clock is virtual, so waits and delays cost nothing: playback never crashes
// and always ends; it leaves down no key but the modifiers, and no mouse
// button but those, that the text itself asks to hold ("<SHFD>", a "<SHIFT>"
// that no key follows, "<LDN>", ...); and an abort lets go of every key.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/virtual_keys.h"
#include "unit/playback_rig.h"

using namespace tavrin;

namespace {

// The longest text a macro holds; a longer one reaches no other code, it
// only takes longer.
constexpr size_t kMaxText = kMaxMacroText;
// Steps (a character or tag played, a poll of a wait) after which the
// fuzzer aborts the macro as its user would: enough to play the longest text
// once, and a wait without a time-out, and repeats within repeats, end
// there. An empty repeat block takes no step, so a step may take up to 9999
// runs of one: the slowest text plays for a few seconds.
constexpr int kMaxSteps = static_cast<int>(kMaxText);
// Every wait moves the clock ten minutes at least, so the longest time-out,
// 999 minutes, comes after 100 polls.
constexpr uint64_t kLeastStep = 10 * 60 * 1000;
// The macro of the file that plays the text again, as "<MACRUN:me>".
constexpr char kNickname[] = "me";

// A key or mouse button a macro may hold at its end, and the tags that hold it.
struct Hold {
    int key;          // a virtual key, or -1
    uint32_t button;  // a mouse down flag, or 0
    std::vector<std::string> tags;
};

const std::vector<Hold>& Holds() {
    static const std::vector<Hold> holds = {
        {vk::kShift, 0, {"<SHFD>", "<SHIFT>"}},
        {vk::kCtrl, 0, {"<CTLD>", "<CTRL>"}},
        {vk::kAlt, 0, {"<ALTD>", "<ALT>"}},
        {vk::kLeftWin, 0, {"<WIND>"}},
        {-1, mouse::kLeftDown, {"<LDN>"}},
        {-1, mouse::kRightDown, {"<RDN>"}},
        {-1, mouse::kMiddleDown, {"<MDN>"}},
    };
    return holds;
}

struct Down {
    bool keys[256] = {};
    uint32_t buttons = 0;
};

// What the events, in order, left down.
Down DownAfter(const std::vector<std::string>& events) {
    static constexpr uint32_t kButtons[][2] = {{mouse::kLeftDown, mouse::kLeftUp},
                                               {mouse::kRightDown, mouse::kRightUp},
                                               {mouse::kMiddleDown, mouse::kMiddleUp}};
    Down down;
    for (const std::string& e : events) {
        if (e.compare(0, 5, "down ") == 0) {
            down.keys[std::stoi(e.substr(5)) & 0xFF] = true;
        } else if (e.compare(0, 3, "up ") == 0) {
            down.keys[std::stoi(e.substr(3)) & 0xFF] = false;
        } else if (e.compare(0, 6, "mouse ") == 0) {
            const uint32_t flags = static_cast<uint32_t>(std::stoul(e.substr(6)));
            for (const auto& b : kButtons) {
                if (flags & b[0]) down.buttons |= b[0];
                if (flags & b[1]) down.buttons &= ~b[0];
            }
        }
    }
    return down;
}

[[noreturn]] void Fail(const char* what, int which) {
    std::fprintf(stderr, "player_fuzzer: %s %d\n", what, which);
    std::abort();
}

// The text holds one of the tags, as written or once "<CLIPTYPEI>" has
// taken its line breaks out. Every text a macro plays here is a part of one
// of these: its own, the macro "me" (the same), the clipboard's (copied from
// them), or a file of the fakes' (the macro file, which a NUL ends before any
// text of its).
bool Asks(const std::string& text, const std::string& joined, const Hold& hold) {
    for (const std::string& tag : hold.tags)
        if (text.find(tag) != std::string::npos || joined.find(tag) != std::string::npos)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxText) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string joined;
    for (char c : text)
        if (c != '\r' && c != '\n') joined += c;

    PlaybackRig rig;
    rig.store.LoadMacroFile("C:\\M.ZYN");
    MacroRecord self;
    self.Nickname = kNickname;
    self.MacroText = text;
    self.HotKey = kHotKeyNone;
    self.IconFile = "MAIN";
    if (!rig.store.AppendMacro(self)) Fail("no macro added", 0);
    rig.pump.leastStep = kLeastStep;
    rig.pump.onMessages = [&rig] {
        if (rig.pump.processed >= kMaxSteps) rig.player.Abort();
    };

    if (!rig.player.PlayTopLevel(text) || rig.player.Running()) Fail("still playing", 0);
    const Down left = DownAfter(rig.input.events);
    for (const Hold& hold : Holds()) {
        const bool isDown = hold.key >= 0 ? left.keys[hold.key] : (left.buttons & hold.button);
        if (!isDown || Asks(text, joined, hold)) continue;
        if (hold.key >= 0) Fail("left down, though no tag holds it: key", hold.key);
        Fail("left down, though no tag holds it: mouse button", static_cast<int>(hold.button));
    }
    for (int key = 0; key < 256; ++key) {
        bool holdable = false;
        for (const Hold& hold : Holds()) holdable |= hold.key == key;
        if (left.keys[key] && !holdable) Fail("left down: key", key);
    }

    // The next macro is aborted at its first step: the abort lets go of
    // every modifier the last one left down.
    rig.pump.onMessages = [&rig] { rig.player.Abort(); };
    if (!rig.player.PlayTopLevel("ab") || rig.ui.messages.empty() ||
        rig.ui.messages.back() != "Macro Abort: Tavrin 99 macro has been aborted.")
        Fail("the abort did not end the macro", 0);
    const Down after = DownAfter(rig.input.events);
    for (int key = 0; key < 256; ++key)
        if (after.keys[key]) Fail("down after an abort: key", key);
    return 0;
}
