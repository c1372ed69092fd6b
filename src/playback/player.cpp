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

Player::Player(Input& input, Desktop& desktop, FileSystem& fileSystem, Files& files,
               Clipboard& clipboard, MessagePump& pump, PlaybackUi& ui, MacroStore& store,
               HookLibrary& hooks, Clock& clock, Sound& sound, const SystemPlatform& system,
               PlayerHost& host)
    : input_(input),
      pump_(pump),
      ui_(ui),
      store_(store),
      hooks_(hooks),
      clock_(clock),
      host_(host),
      keys_(input, [this](int ms) { return ScaledDelay(ms); }),
      windows_(desktop, pump, ui),
      waits_(desktop, pump, ui, store.Table(), hooks, keys_, windows_),
      files_(fileSystem, files, desktop, ui,
             [this](const std::string& text) { PlayText(text, 1, 1, 1, false); }),
      clips_(clipboard, files, ui, keys_, [this](double seconds) { PauseForNoSpeed(seconds); },
             [this](const std::string& text) { PlayText(text, 1, 1, 1, false); }),
      sounds_(sound, ui),
      systemCommands_(system.settings, system.printers, files, ui),
      desktopCommands_(system.shell, ui),
      networkCommands_(system.drives, system.dialUp, ui) {}

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
    if (keys_.PlayTag(tag, run.held)) return Outcome::Played;
    bool endMacro = false;
    if (windows_.PlayTag(tag, abort_, endMacro)) {
        if (endMacro) ended_ = true;
        return Outcome::Played;
    }
    if (waits_.PlayTag(tag, abort_)) return Outcome::Played;
    if (files_.PlayTag(tag)) return Outcome::Played;
    if (clips_.PlayTag(tag, run.text, run.pos)) return Outcome::Played;
    if (sounds_.PlayTag(tag)) return Outcome::Played;
    if (systemCommands_.PlayTag(tag)) return Outcome::Played;
    if (desktopCommands_.PlayTag(tag)) return Outcome::Played;
    if (networkCommands_.PlayTag(tag)) return Outcome::Played;
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::Repeat:
        case TagKind::RepeatCounter:
        case TagKind::PromptRepeat:
            return Repeat(tag, run);
        case TagKind::Counter:
            PlayText(CounterText(run.counter, tag.Index), 1, 1, 1, false);
            break;
        case TagKind::Pause:
        case TagKind::PauseAt:
            return Pause(tag);
        case TagKind::Delay:
            PauseFor(f.Real);
            break;
        case TagKind::DelayMs:
            ScaledDelay(f.Numbers[0]);
            break;
        case TagKind::Speed:
            // A negative factor is a slip of the pen, taken as no change
            // rather than as 0, which would drop every delay the macro
            // relies on.
            if (f.RealValid && f.Real >= 0) speed_ = f.Real;
            break;
        case TagKind::KeystrokeDelay:
            keys_.SetKeyDelay(f.Numbers[0]);
            break;
        case TagKind::MouseDelay:
            keys_.SetMouseDelay(f.Numbers[0]);
            break;
        case TagKind::TextBox:
            ui_.ShowTextBox(f.Texts[0].substr(0, kMaxTextBoxTitle), f.Texts[1]);
            break;
        case TagKind::MacroRun:
            if (const int n = FindMacroNamed(store_, f.Texts[0])) {
                MacroRecord record;
                if (store_.ReadMacro(n, record)) PlayText(record.MacroText, 1, 1, 1, false);
            }
            break;
        case TagKind::MacroDelete:
            if (const int n = FindMacroNamed(store_, f.Texts[0])) {
                RemoveMacro(store_, hooks_, n);
                host_.MacroDeleted(n);
            }
            break;
        case TagKind::MacroActivate:
        case TagKind::MacroDeactivate: {
            const bool active = tag.Kind == TagKind::MacroActivate;
            if (const int n = SetActiveByNickname(store_, hooks_, f.Texts[0], active))
                host_.MacroActiveChanged(n);
            break;
        }
        case TagKind::SwapFile:
            host_.SwapMacroFile(f.Texts[0]);
            break;
        case TagKind::DateTag: {
            const int days = f.Letters[1] == 'P' ? -f.Numbers[0] : f.Numbers[0];
            for (char c : DateText(clock_.Now(), tag.Index, f.Letters[0] == 'Y', days))
                keys_.TypeCharacter(c, run.held);
            break;
        }
        case TagKind::TimeTag:
            for (char c : TimeText(clock_.Now(), tag.Index, f.Letters[0] == 'Y'))
                keys_.TypeCharacter(c, run.held);
            break;
        default:
            // Remarks, the reserved "<EMPTYBIN>" and "<TEST>", and "<ENDREP>"
            // outside a block are taken, not typed, and do nothing.
            break;
    }
    return Outcome::Played;
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
