#include "playback/wait_commands.h"

#include <algorithm>
#include <iterator>

#include "language/wait_keys.h"
#include "language/ansi_text.h"
#include "platform/hook_protocol.h"
#include "playback/abortable_wait.h"
#include "platform/virtual_keys.h"

namespace tavrin {

namespace {

constexpr size_t kMaxTyped = 255;
constexpr uint64_t kBeforeMarkerMs = 100;

constexpr const char* kWindowError = "Wait For Window Error";
constexpr const char* kKeyError = "Wait For Key Press";
constexpr const char* kTextError = "Wait For Text Error";
constexpr const char* kClickError = "Wait For Mouse Click Error";

// A wait flag of the macro table, raised and published for the lifetime of
// a wait, and lowered and published again however the wait ends.
class RaisedFlag {
public:
    RaisedFlag(MacroTable& table, HookLibrary& hooks, size_t offset)
        : table_(table), hooks_(hooks), offset_(offset) {
        table_.SetByte(offset_, 1);
        hooks_.ZynUpWaits(table_);
    }
    ~RaisedFlag() {
        table_.SetByte(offset_, 0);
        hooks_.ZynUpWaits(table_);
    }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    MacroTable& table_;
    HookLibrary& hooks_;
    size_t offset_;
};

// The virtual key of a "<WAITKEY:" key number; 0 for a number outside the
// list.
int WaitKeyVirtualKey(int number) {
    static constexpr int kTail[] = {vk::kEscape, vk::kTab, vk::kEnter, vk::kCtrl, vk::kAlt, vk::kShift};
    if (number < 0) return 0;
    if (number <= 25) return 'A' + number;
    if (number <= 35) return '0' + number - 26;
    if (number <= 47) return 112 + number - 36;  // F1 ...
    if (number <= 53) return kTail[number - 48];
    return 0;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

void WaitCommands::OnClick(int button) {
    if (button >= 1 && button <= 3) clicked_[button] = true;
}

void WaitCommands::OnKey(int virtualKey) { lastKey_ = virtualKey; }

void WaitCommands::OnText(uint32_t reset, char c) {
    if (reset == kTypingReset) {
        typed_.clear();
    } else if (c == '\b') {
        if (!typed_.empty()) typed_.pop_back();
    } else {
        typed_ += c;
        if (typed_.size() > typedWindow_) typed_.erase(0, typed_.size() - typedWindow_);
    }
}

void WaitCommands::Until(int minutes, const std::function<bool()>& met, bool& abort,
                         const char* title, const std::string& failure) {
    const bool limited = minutes > 0;
    const uint64_t deadline = pump_.Ticks() + static_cast<uint64_t>(minutes) * 60000;
    while (!abort && !met()) {
        const uint64_t now = pump_.Ticks();
        if (limited && now >= deadline) {
            ui_.ShowNotice(title, failure + " within the specified time of " +
                                      std::to_string(minutes) + " minutes.  Macro will abort.");
            abort = true;
            return;
        }
        pump_.WaitUntil(limited ? std::min(deadline, now + kPollMs) : now + kPollMs);
    }
}

std::string WaitCommands::FrontTitle(bool retarget) {
    const WindowId front = desktop_.Foreground();
    const std::string title = front ? desktop_.Title(front) : std::string();
    if (title.empty()) return title;
    if (retarget) windows_.SetTarget(front);
    return UpperCase(title);
}

bool WaitCommands::ProgramRuns(const std::string& upperProgram) {
    for (const RunningProcess& p : desktop_.Processes()) {
        if (UpperCase(p.moduleName).find(upperProgram) != std::string::npos) return true;
    }
    return false;
}

void WaitCommands::WaitForDrain(const bool& abort) {
    // The marker clears InUse in the hook library as well; a macro started
    // by a trigger must keep it until its own end.
    const bool inUse = table_.Byte(table::InUse) != 0;
    {
        RaisedFlag drain(table_, hooks_, table::WaitDrain);
        if (!WaitUnlessAborted(pump_, pump_.Ticks() + kBeforeMarkerMs, abort)) return;
        keys_.KeyPress(kEndMarkerKey);
        // Once the marker is on its way an abort does not end the wait: it
        // lasts as long as the keys sent before the marker take to arrive,
        // which an abort does not hasten, and the InUse the marker clears
        // can be put back only after its report.
        const uint64_t deadline = pump_.Ticks() + kDrainLimitMs;
        for (uint64_t now = pump_.Ticks(); table_.Byte(table::WaitDrain) && now < deadline;
             now = pump_.Ticks())
            pump_.WaitUntil(std::min(deadline, now + kPollMs));
    }
    if (inUse && !table_.Byte(table::InUse)) {
        table_.SetByte(table::InUse, 1);
        hooks_.ZynUpInUse(table_);
    }
}

bool WaitCommands::PlayTag(const TagMatch& tag, bool& abort) {
    const TagFields& f = tag.Fields;
    const int minutes = f.Numbers[0];
    const std::string& text = f.Texts[0];
    switch (tag.Kind) {
        case TagKind::WaitWindow: {
            const std::string title = UpperCase(text);
            // Only the wait without a limit follows the window in front.
            Until(minutes,
                  [&] {
                      const std::string front = FrontTitle(minutes == 0);
                      return !front.empty() && front.find(title) != std::string::npos;
                  },
                  abort, kWindowError, "The Window Title of " + Quoted(title) + " did not appear");
            return true;
        }
        case TagKind::WaitLoseFocus: {
            const std::string title = UpperCase(text);
            Until(minutes,
                  [&] {
                      const std::string front = FrontTitle(true);
                      return !front.empty() && front.find(title) == std::string::npos;
                  },
                  abort, kWindowError,
                  "The Window Title of " + Quoted(title) + " did not lose focus");
            return true;
        }
        case TagKind::WaitProgram: {
            const std::string program = UpperCase(text);
            Until(minutes, [&] { return !ProgramRuns(program); }, abort, kWindowError,
                  "The Window Title of " + Quoted(program) + " did not appear");
            return true;
        }
        case TagKind::WaitKey: {
            const int number = f.Numbers[1];
            const int key = WaitKeyVirtualKey(number);
            const std::string name =
                key != 0 ? kWaitKeyNames[static_cast<size_t>(number)] : std::string();
            lastKey_ = 0;
            RaisedFlag flag(table_, hooks_, table::WaitKey);
            Until(minutes, [&] { return key != 0 && lastKey_ == key; }, abort, kKeyError,
                  "The " + Quoted(name) + " key was not pressed");
            return true;
        }
        case TagKind::WaitTextCase:
        case TagKind::WaitTextNoCase: {
            const bool exact = tag.Kind == TagKind::WaitTextCase;
            const std::string wanted = exact ? text : UpperCase(text);
            typed_.clear();
            typedWindow_ = std::min(text.size(), kMaxTyped);
            RaisedFlag flag(table_, hooks_, table::WaitText);
            Until(minutes, [&] { return (exact ? typed_ : UpperCase(typed_)) == wanted; }, abort,
                  kTextError, " Text " + Quoted(text) + " was not typed");
            return true;
        }
        case TagKind::WaitLeftClick:
        case TagKind::WaitRightClick:
        case TagKind::WaitMiddleClick: {
            const int button = tag.Kind == TagKind::WaitLeftClick    ? 1
                               : tag.Kind == TagKind::WaitRightClick ? 2
                                                                     : 3;
            static constexpr const char* kButtonNames[] = {"", "Left", "Right", "Middle"};
            std::fill(std::begin(clicked_), std::end(clicked_), false);
            RaisedFlag flag(table_, hooks_, table::WaitClick);
            Until(minutes, [&] { return clicked_[button]; }, abort, kClickError,
                  std::string(kButtonNames[button]) + " click did not occur");
            return true;
        }
        case TagKind::WaitPlayback:
            WaitForDrain(abort);
            return true;
        default:
            return false;
    }
}

}  // namespace tavrin
