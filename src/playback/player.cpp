#include "playback/player.h"

#include "platform/virtual_keys.h"
#include "playback/abortable_wait.h"
#include "playback/date_time_text.h"
#include "playback/macro_commands.h"
#include "playback/pause_placement.h"
#include "playback/repeat_block.h"
#include "store/hot_key_codes.h"

namespace tavrin {

namespace {

constexpr size_t kMaxTextBoxTitle = 255;

}  // namespace

Player::Player(const PlayerPlatform& platform, MacroStore& store, PlayerHost& host)
    : input_(platform.input),
      pump_(platform.pump),
      ui_(platform.ui),
      store_(store),
      hooks_(platform.hooks),
      clock_(platform.clock),
      host_(host),
      keys_(platform.input, [this](int ms) { return ScaledDelay(ms); }),
      windows_(platform.desktop, platform.pump, platform.ui),
      waits_(platform.desktop, platform.pump, platform.ui, store.Table(), platform.hooks, keys_,
             windows_),
      files_(platform.fileSystem, platform.files, platform.desktop, platform.ui,
             [this](const std::string& text) { PlayText(text, 1, 1, 1, false); }),
      clips_(platform.clipboard, platform.files, platform.ui, keys_,
             [this](double seconds) { PauseForNoSpeed(seconds); },
             [this](const std::string& text) { PlayText(text, 1, 1, 1, false); }),
      sounds_(platform.sound, platform.ui),
      systemCommands_(platform.system.settings, platform.system.printers, platform.files,
                      platform.ui),
      desktopCommands_(platform.system.shell, platform.ui),
      networkCommands_(platform.system.drives, platform.system.dialUp, platform.ui) {}

bool Player::PlayTopLevel(const std::string& text) {
    if (running_) return false;
    abort_ = false;
    ended_ = false;
    if (capsLock_) keys_.KeyPress(vk::kCapsLock);  // off while the macro plays
    paused_ = false;
    iconicBeforePause_ = false;
    endStepDone_ = false;
    keys_.SetKeyDelay(0);
    keys_.SetMouseDelay(0);
    speed_ = 1.0;
    running_ = true;
    ui_.SetRunning(true);
    PlayText(text, 1, 1, 1, true);
    input_.MacroEnded();
    // An abort ends only the macro it stopped: the pauses a trigger makes
    // before it starts the next one run their full length.
    abort_ = false;
    running_ = false;
    ui_.SetRunning(false);
    return true;
}

void Player::PlayText(const std::string& text, int runCount, int counterStart, int counterStep,
                     bool topLevel) {
    if (abort_) return;
    if (depth_ >= kMaxNesting) {
        ui_.ShowNotice("Macro Execution Error",
                       "Macros play other macros more than " + std::to_string(kMaxNesting) +
                           " levels deep; a macro probably plays itself. Macro will abort.");
        ended_ = true;
        return;
    }
    ++depth_;
    bool reachedEnd = true;
    for (int n = 1; n <= runCount && reachedEnd; ++n) {
        // The counter is a 32-bit signed number; a long run wraps it.
        const uint32_t counter = static_cast<uint32_t>(counterStart) +
                                 static_cast<uint32_t>(counterStep) * static_cast<uint32_t>(n - 1);
        Run run{text, 0, {}, static_cast<int32_t>(counter)};
        while (run.pos < text.size()) {
            if (abort_) {
                keys_.ReleaseModifiersLeftDown();
                ui_.ShowNotice("Macro Abort", "Tavrin 99 macro has been aborted.");
                --depth_;
                return;
            }
            if (ended_) {
                reachedEnd = false;
                break;
            }
            const char c = text[run.pos];
            if (c != '<') {
                keys_.TypeCharacter(c, run.held);
                const bool crLf =
                    c == '\r' && run.pos + 1 < text.size() && text[run.pos + 1] == '\n';
                run.pos += crLf ? 2 : 1;
            } else {
                const size_t at = run.pos;
                const TagMatch tag = Recognise(text, at);
                run.pos = at + tag.Length;
                const Outcome outcome = tag.IsTag() ? PlayTag(tag, run) : Outcome::Literal;
                if (outcome == Outcome::LeaveRun) {
                    --depth_;
                    return;
                }
                if (outcome == Outcome::Literal) {
                    keys_.TypeCharacter('<', run.held);
                    keys_.ReleaseHeld(run.held);
                    run.pos = at + 1;
                }
            }
            pump_.ProcessMessages();
        }
    }
    --depth_;
    if (topLevel) EndStep();
}

Player::Outcome Player::PlayTag(const TagMatch& tag, Run& run) {
    Outcome outcome = Outcome::Played;
    // A kind its group does not take is a slip the unit tests catch; played,
    // it is typed as a tag that no command takes.
    return PlayThrough(CommandGroupOf(tag.Kind), tag, run, outcome) ? outcome
                                                                    : Outcome::Literal;
}

bool Player::PlayTagThrough(CommandGroup group, const std::string& text) {
    const TagMatch tag = Recognise(text, 0);
    if (!tag.IsTag()) return false;
    Run run{text, tag.Length, {}, 1};
    Outcome outcome = Outcome::Played;
    return PlayThrough(group, tag, run, outcome);
}

bool Player::PlayThrough(CommandGroup group, const TagMatch& tag, Run& run, Outcome& outcome) {
    outcome = Outcome::Played;
    switch (group) {
        case CommandGroup::Keys: return keys_.PlayTag(tag, run.held);
        case CommandGroup::Window: {
            bool endMacro = false;
            if (!windows_.PlayTag(tag, abort_, endMacro)) return false;
            if (endMacro) ended_ = true;
            return true;
        }
        case CommandGroup::Wait: return waits_.PlayTag(tag, abort_);
        case CommandGroup::Flow: return PlayFlow(tag, run, outcome);
        case CommandGroup::DateTime: return PlayDateTime(tag, run);
        case CommandGroup::Clipboard: return clips_.PlayTag(tag, run.text, run.pos);
        case CommandGroup::File: return files_.PlayTag(tag);
        case CommandGroup::Sound: return sounds_.PlayTag(tag);
        case CommandGroup::System: return systemCommands_.PlayTag(tag);
        case CommandGroup::Desktop: return desktopCommands_.PlayTag(tag);
        case CommandGroup::Network: return networkCommands_.PlayTag(tag);
        case CommandGroup::Count: break;
    }
    return false;
}

bool Player::PlayFlow(const TagMatch& tag, Run& run, Outcome& outcome) {
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::Repeat:
        case TagKind::RepeatCounter:
        case TagKind::PromptRepeat:
            outcome = Repeat(tag, run);
            return true;
        case TagKind::Counter:
            PlayText(CounterText(run.counter, tag.Index), 1, 1, 1, false);
            return true;
        case TagKind::Pause:
        case TagKind::PauseAt:
            outcome = Pause(tag);
            return true;
        case TagKind::Delay:
            PauseFor(f.Real);
            return true;
        case TagKind::DelayMs:
            ScaledDelay(f.Numbers[0]);
            return true;
        case TagKind::Speed:
            // A negative factor is a slip of the pen, taken as no change
            // rather than as 0, which would drop every delay the macro
            // relies on.
            if (f.RealValid && f.Real >= 0) speed_ = f.Real;
            return true;
        case TagKind::KeystrokeDelay:
            keys_.SetKeyDelay(f.Numbers[0]);
            return true;
        case TagKind::MouseDelay:
            keys_.SetMouseDelay(f.Numbers[0]);
            return true;
        case TagKind::TextBox:
            ui_.ShowTextBox(f.Texts[0].substr(0, kMaxTextBoxTitle), f.Texts[1]);
            return true;
        case TagKind::MacroRun:
            if (const int n = FindMacroNamed(store_, f.Texts[0])) {
                MacroRecord record;
                if (store_.ReadMacro(n, record)) PlayText(record.MacroText, 1, 1, 1, false);
            }
            return true;
        case TagKind::MacroDelete:
            if (const int n = FindMacroNamed(store_, f.Texts[0])) {
                RemoveMacro(store_, hooks_, n);
                host_.MacroDeleted(n);
            }
            return true;
        case TagKind::MacroActivate:
        case TagKind::MacroDeactivate: {
            const bool active = tag.Kind == TagKind::MacroActivate;
            if (const int n = SetActiveByNickname(store_, hooks_, f.Texts[0], active))
                host_.MacroActiveChanged(n);
            return true;
        }
        case TagKind::SwapFile:
            host_.SwapMacroFile(f.Texts[0]);
            return true;
        case TagKind::EndRepeat:  // outside a block: a repeat skips past its own
        case TagKind::Remark:
        case TagKind::EmptyBin:   // reserved
        case TagKind::Test:       // reserved
            // Taken, not typed, and do nothing.
            return true;
        default:
            return false;
    }
}

bool Player::PlayDateTime(const TagMatch& tag, Run& run) {
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::DateTag: {
            const int days = f.Letters[1] == 'P' ? -f.Numbers[0] : f.Numbers[0];
            for (char c : DateText(clock_.Now(), tag.Index, f.Letters[0] == 'Y', days))
                keys_.TypeCharacter(c, run.held);
            return true;
        }
        case TagKind::TimeTag:
            for (char c : TimeText(clock_.Now(), tag.Index, f.Letters[0] == 'Y'))
                keys_.TypeCharacter(c, run.held);
            return true;
        default:
            return false;
    }
}

Player::Outcome Player::Repeat(const TagMatch& tag, Run& run) {
    const TagFields& f = tag.Fields;
    // Every field passes through a 16-bit unsigned number.
    int count = 0, start = 1, step = 1;
    switch (tag.Kind) {
        case TagKind::PromptRepeat:
            count = ui_.AskRepeatCount();
            break;
        case TagKind::RepeatCounter:
            start = static_cast<uint16_t>(f.Numbers[1]);
            step = static_cast<uint16_t>(f.Numbers[2]);
            [[fallthrough]];
        default:
            count = static_cast<uint16_t>(f.Numbers[0]);
            break;
    }
    const size_t end = FindEndRepeat(run.text, run.pos);
    if (end == std::string::npos) {
        ui_.ShowNotice("Repeat Error",
                       "No \"End Repeat\" that matches the initial repeat specified in the "
                       "macro. Macro will abort.");
        abort_ = true;
        run.pos = run.text.size();
        return Outcome::Played;
    }
    PlayText(run.text.substr(run.pos, end - run.pos), count, start, step, false);
    if (abort_) return Outcome::LeaveRun;
    run.pos = end + std::char_traits<char>::length(kEndRepeat);
    return Outcome::Played;
}

Player::Outcome Player::Pause(const TagMatch& tag) {
    const TagFields& f = tag.Fields;
    const bool centred = tag.Kind == TagKind::Pause;
    PauseRequest request;
    if (!centred) request.message = f.Texts[0];
    const PausePlacement at = PlacePause(input_.ScreenWidth(), input_.ScreenHeight(),
                                         request.message.size(), centred, f.Numbers[0],
                                         f.Numbers[1]);
    request.left = at.left;
    request.top = at.top;
    request.width = at.width;
    request.height = at.height;
    request.target = windows_.Target();
    request.caption = "Pause";
    const int n = host_.CurrentMacro();
    if (n >= 1 && n <= store_.MacroCount()) {
        request.nickname = store_.NicknameOf(n);
        const std::string& hotKey = HotKeyName(store_.Table().HotKeyOf(n));
        if (!hotKey.empty()) request.caption = "Pause (" + hotKey + ")";
    }

    paused_ = true;
    host_.PauseOpenChanged(true);
    const PauseOutcome outcome = ui_.PauseDialog(request);
    host_.PauseOpenChanged(false);
    if (outcome.wasIconic) iconicBeforePause_ = true;
    if (outcome.resume) return Outcome::Played;
    // Abort restores Caps Lock and the windows at once and ends the macro,
    // nested runs and all.
    EndStep();
    endStepDone_ = true;
    ended_ = true;
    return Outcome::LeaveRun;
}

void Player::ResumePause(bool capsLockPressed) {
    if (capsLockPressed) keys_.KeyPress(vk::kCapsLock);
    ui_.ResumePause();
}

void Player::EndStep() {
    if (endStepDone_) return;
    if (capsLock_) keys_.KeyPress(vk::kCapsLock);
    if (paused_) ui_.RestoreAfterPause(windows_.Target(), iconicBeforePause_);
}

bool Player::Wait(uint64_t ms) { return WaitUnlessAborted(pump_, pump_.Ticks() + ms, abort_); }

bool Player::ScaledDelay(int ms) {
    if (speed_ == 0 || ms <= 0) return true;
    return Wait(static_cast<uint64_t>(ms * speed_));
}

void Player::PauseFor(double seconds) {
    if (speed_ == 0) return;
    PauseForNoSpeed(seconds * speed_);
}

void Player::PauseForNoSpeed(double seconds) {
    if (seconds > 0) Wait(static_cast<uint64_t>(seconds * 1000));
}

}  // namespace tavrin
