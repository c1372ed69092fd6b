#include "playback/player.h"

namespace tavrin {

namespace {

constexpr uint8_t kCapsLock = 20;

}  // namespace

Player::Player(Input& input, Desktop& desktop, MessagePump& pump, PlaybackUi& ui)
    : pump_(pump),
      ui_(ui),
      keys_(input, [this](int ms) { ScaledDelay(ms); }),
      windows_(desktop, pump, ui) {}

bool Player::IntoProgram(const std::string& text) {
    if (running_) return false;
    abort_ = false;
    ended_ = false;
    if (capsLock_) keys_.KeyPress(kCapsLock);  // off while the macro plays
    keys_.SetKeyDelay(0);
    keys_.SetMouseDelay(0);
    speed_ = 1.0;
    running_ = true;
    ui_.SetRunning(true);
    DoMacro(text, 1, true);
    running_ = false;
    ui_.SetRunning(false);
    return true;
}

void Player::DoMacro(const std::string& text, int runCount, bool topLevel) {
    if (abort_) return;
    if (depth_ >= kMaxNesting) {
        ui_.DoAMessage("Macro Execution Error",
                       "Macros play other macros more than " + std::to_string(kMaxNesting) +
                           " levels deep; a macro probably plays itself. Macro will abort.");
        ended_ = true;
        return;
    }
    ++depth_;
    bool reachedEnd = true;
    for (int n = 1; n <= runCount && reachedEnd; ++n) {
        HeldModifiers held;
        size_t pos = 0;
        while (pos < text.size()) {
            if (abort_) {
                keys_.ReleaseModifiersLeftDown();
                ui_.DoAMessage("Macro Abort", "Tavrin 99 macro has been aborted.");
                --depth_;
                return;
            }
            if (ended_) {
                reachedEnd = false;
                break;
            }
            const char c = text[pos];
            if (c != '<') {
                keys_.TypeCharacter(c, held);
                pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
            } else {
                const TagMatch tag = Recognise(text, pos);
                if (tag.IsTag() && PlayTag(tag, held)) {
                    pos += tag.Length;
                } else {
                    keys_.TypeCharacter('<', held);
                    keys_.ReleaseHeld(held);
                    ++pos;
                }
            }
            pump_.ProcessMessages();
        }
    }
    --depth_;
    if (topLevel) EndStep();
}

bool Player::PlayTag(const TagMatch& tag, HeldModifiers& held) {
    if (keys_.PlayTag(tag, held)) return true;
    bool endMacro = false;
    if (windows_.PlayTag(tag, endMacro)) {
        if (endMacro) ended_ = true;
        return true;
    }
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::Delay:
            PauseFor(f.Real);
            return true;
        case TagKind::DelayMs:
            ScaledDelay(f.Numbers[0]);
            return true;
        case TagKind::Speed:
            if (f.RealValid) speed_ = f.Real;
            return true;
        case TagKind::KeystrokeDelay:
            keys_.SetKeyDelay(f.Numbers[0]);
            return true;
        case TagKind::MouseDelay:
            keys_.SetMouseDelay(f.Numbers[0]);
            return true;
        default:
            // Every other tag is taken, not typed; its command group plays it.
            return true;
    }
}

void Player::EndStep() {
    if (capsLock_) keys_.KeyPress(kCapsLock);
}

void Player::Wait(uint64_t ms) {
    const uint64_t deadline = pump_.Ticks() + ms;
    while (pump_.Ticks() < deadline) pump_.WaitUntil(deadline);
}

void Player::ScaledDelay(int ms) {
    if (speed_ == 0 || ms <= 0) return;
    Wait(static_cast<uint64_t>(ms * speed_));
}

void Player::PauseFor(double seconds) {
    if (speed_ == 0) return;
    PauseForNoSpeed(seconds * speed_);
}

void Player::PauseForNoSpeed(double seconds) {
    if (seconds > 0) Wait(static_cast<uint64_t>(seconds * 1000));
}

}  // namespace tavrin
