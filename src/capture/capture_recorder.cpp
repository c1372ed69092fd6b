#include "capture/capture_recorder.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdlib>

#include "language/tag_table.h"
#include "language/tag_writer.h"
#include "platform/virtual_keys.h"
#include "playback/keystrokes.h"

namespace tavrin {
namespace {

// The tag of every key the player presses by a key tag, by virtual key.
// Space (written as the character), the mouse buttons sent as keys, the
// Windows keys (modifiers here) and Caps Lock (not recorded) are left out.
const std::array<std::string, 256>& KeyTags() {
    static const std::array<std::string, 256> tags = [] {
        std::array<std::string, 256> t;
        for (const TagPattern& p : TagTable()) {
            if (p.Kind == TagKind::Space || p.Kind == TagKind::RightMouse ||
                p.Kind == TagKind::MiddleMouse ||
                p.Kind == TagKind::LeftWin || p.Kind == TagKind::RightWin ||
                p.Kind == TagKind::CapsLock)
                continue;
            const int key = KeyTagVirtualKey(p.Kind, p.Index);
            if (key >= 0 && key < 256) t[static_cast<size_t>(key)] = p.Keyword;
        }
        return t;
    }();
    return tags;
}

// The characters that can follow "<" at the start of some tag.
bool BeginsAKeyword(char c) {
    static const std::bitset<256> seconds = [] {
        std::bitset<256> s;
        for (const TagPattern& p : TagTable())
            if (p.Keyword.size() > 1) s.set(static_cast<uint8_t>(p.Keyword[1]));
        return s;
    }();
    return seconds.test(static_cast<uint8_t>(c));
}

bool Printable(char c) {
    const auto code = static_cast<uint8_t>(c);
    return code >= 32 && code != 127;
}

bool SamePoint(ScreenPoint a, ScreenPoint b) { return a.x == b.x && a.y == b.y; }

TagFields Numbers(int a, int b = 0) {
    TagFields f;
    f.Numbers = {a, b, 0};
    return f;
}

constexpr TagKind kDownTags[] = {TagKind::CtrlDown, TagKind::AltDown, TagKind::ShiftDown,
                                 TagKind::WinDown};
constexpr TagKind kUpTags[] = {TagKind::CtrlUp, TagKind::AltUp, TagKind::ShiftUp,
                               TagKind::WinUp};

// Per button (1 left, 2 right, 3 middle): down, up, click, double click.
constexpr TagKind kButtonTags[3][4] = {
    {TagKind::LeftDown, TagKind::LeftUp, TagKind::LeftClick, TagKind::LeftDoubleClick},
    {TagKind::RightDown, TagKind::RightUp, TagKind::RightClick, TagKind::RightDoubleClick},
    {TagKind::MiddleDown, TagKind::MiddleUp, TagKind::MiddleClick, TagKind::MiddleDoubleClick},
};

}  // namespace

CaptureRecorder::CaptureRecorder(const CaptureOptions& options, ScreenPoint start)
    : options_(options), lastPos_(start) {}

int CaptureRecorder::ModifierOf(uint32_t key) {
    switch (key) {
    case vk::kCtrl: case vk::kLeftCtrl: case vk::kRightCtrl: return kCtrl;
    case vk::kAlt: case vk::kLeftAlt: case vk::kRightAlt: return kAlt;
    case vk::kShift: case vk::kLeftShift: case vk::kRightShift: return kShift;
    case vk::kLeftWin: case vk::kRightWin: return kWin;
    default: return -1;
    }
}

bool CaptureRecorder::Held(int modifier) const {
    for (uint32_t key = 0; key < modifierKeysDown_.size(); ++key)
        if (modifierKeysDown_.test(key) && ModifierOf(key) == modifier) return true;
    return false;
}

std::string CaptureRecorder::OnKey(const CapturedKey& key) {
    std::string out;
    const uint32_t k = key.virtualKey & 0xFF;
    const int modifier = ModifierOf(k);
    if (modifier >= 0) {
        if (key.down) {
            if (!modifierKeysDown_.test(k)) alone_ = static_cast<int>(k);
            modifierKeysDown_.set(k);
            return out;
        }
        modifierKeysDown_.reset(k);
        if (written_[modifier] && !Held(modifier)) {
            FlushClicks(out);  // a click kept back was made with the modifier
            written_[modifier] = false;
            Tag(WriteTag(kUpTags[modifier]), out);
        }
        if (alone_ == static_cast<int>(k) && options_.keys) {
            if (modifier == kAlt && options_.doubleAlt) {
                Delay(key.time, out);
                Tag(WriteTag(TagKind::Alt) + WriteTag(TagKind::Alt), out);
            } else if (modifier == kWin) {
                Delay(key.time, out);
                Tag(WriteTag(k == vk::kRightWin ? TagKind::RightWin : TagKind::LeftWin), out);
            }
        }
        alone_ = -1;
        return out;
    }
    if (!key.down) return out;
    alone_ = -1;
    if (!options_.keys || k == vk::kCapsLock) return out;
    FlushMouse(out);
    const std::string& tag = KeyTags()[k];
    if (tag.empty() && key.composed) return out;
    const bool asText = tag.empty() && Printable(key.typed) && !Held(kWin) &&
                        Held(kCtrl) == Held(kAlt);
    if (asText) {
        Delay(key.time, out);
        MatchModifiers(false, out);
        if (Printable(key.before)) Literal(key.before, out);
        Literal(key.typed, out);
        return out;
    }
    // With Ctrl, Alt or Win held a key is written as its own character, which
    // must be ASCII: the player may type any other as the character itself,
    // not by the key, where Ctrl would do nothing.
    if (tag.empty() && (!Printable(key.unshifted) || static_cast<uint8_t>(key.unshifted) > 127))
        return out;
    Delay(key.time, out);
    MatchModifiers(true, out);
    if (!tag.empty()) {
        Tag(tag, out);
    } else {
        Literal(key.unshifted, out);
    }
    return out;
}

std::string CaptureRecorder::OnMouse(const CapturedMouse& m) {
    std::string out;
    if (m.kind == CapturedMouse::Down || m.kind == CapturedMouse::Wheel) alone_ = -1;
    if (!options_.mouse) return out;
    switch (m.kind) {
    case CapturedMouse::Move:
        if (options_.clicksOnly) break;
        if (pending_ != Pending::None && !SamePoint(m.at, pendingAt_)) FlushClicks(out);
        if (pending_ != Pending::None) break;
        waitingMove_ = m;
        moveWaiting_ = true;
        if (!anyAction_ || m.time - lastTime_ >= kMoveInterval) FlushMouse(out);
        break;
    case CapturedMouse::Down: {
        if (m.button < 1 || m.button > 3) break;
        moveWaiting_ = false;
        if (pending_ == Pending::Clicked && pendingButton_ == m.button &&
            SamePoint(m.at, pendingAt_) && m.time - pendingTime_ <= kDoubleClickTime) {
            pending_ = Pending::SecondDown;
            buttonDown_[m.button] = true;
            break;
        }
        FlushClicks(out);
        Delay(m.time, out);
        MatchModifiers(true, out);
        MoveTo(m, out);
        buttonDown_[m.button] = true;
        pending_ = Pending::Down;
        pendingButton_ = m.button;
        pendingAt_ = m.at;
        pendingTime_ = m.time;
        break;
    }
    case CapturedMouse::Up:
        if (m.button < 1 || m.button > 3 || !buttonDown_[m.button]) break;
        buttonDown_[m.button] = false;
        if (pendingButton_ == m.button && SamePoint(m.at, pendingAt_)) {
            if (pending_ == Pending::Down) {
                pending_ = Pending::Clicked;
                break;
            }
            if (pending_ == Pending::SecondDown) {
                pending_ = Pending::None;
                Button(m.button, 3, out);
                break;
            }
        }
        moveWaiting_ = false;
        FlushClicks(out);
        Delay(m.time, out);
        MoveTo(m, out);
        Button(m.button, 1, out);
        break;
    case CapturedMouse::Wheel: {
        FlushClicks(out);
        moveWaiting_ = false;
        wheelRest_ += m.wheelDelta;
        const int notches = wheelRest_ / 120;
        if (notches == 0) break;
        wheelRest_ -= notches * 120;
        Delay(m.time, out);
        MatchModifiers(true, out);
        MoveTo(m, out);
        Tag(WriteTag(notches > 0 ? TagKind::WheelForward : TagKind::WheelBackward,
                     Numbers(std::abs(notches))),
            out);
        break;
    }
    }
    return out;
}

void CaptureRecorder::KeyKeptOut() { alone_ = -1; }

std::string CaptureRecorder::Finish() {
    std::string out;
    FlushMouse(out);
    MatchModifiers(false, out);
    return out;
}

void CaptureRecorder::Delay(uint32_t time, std::string& out) {
    if (options_.time && anyAction_) {
        uint32_t rest = time - lastTime_;
        if (rest >= kShortestDelay) {
            while (rest > 9999) {
                // "<DELAY:" holds at most 99.99 seconds.
                const uint32_t part = std::min<uint32_t>(rest, 99990);
                TagFields f;
                f.Real = part / 10 / 100.0;
                Tag(WriteTag(TagKind::Delay, f), out);
                rest -= part / 10 * 10;
            }
            if (rest >= kShortestDelay)
                Tag(WriteTag(TagKind::DelayMs, Numbers(static_cast<int>(rest))), out);
        }
    }
    anyAction_ = true;
    lastTime_ = time;
}

void CaptureRecorder::MatchModifiers(bool withHeld, std::string& out) {
    for (int m = 0; m < kModifiers; ++m) {
        if (written_[m] && !(withHeld && Held(m))) {
            written_[m] = false;
            Tag(WriteTag(kUpTags[m]), out);
        }
    }
    for (int m = 0; m < kModifiers; ++m) {
        if (!written_[m] && withHeld && Held(m)) {
            written_[m] = true;
            Tag(WriteTag(kDownTags[m]), out);
        }
    }
}

void CaptureRecorder::Literal(char c, std::string& out) {
    // A literal "<" followed by the start of a keyword could spell a tag:
    // an empty remark between them keeps the two apart.
    if (afterLiteralLt_ && BeginsAKeyword(c)) out += WriteTag(TagKind::Remark);
    out += c;
    afterLiteralLt_ = c == '<';
}

void CaptureRecorder::Tag(const std::string& tag, std::string& out) {
    out += tag;
    afterLiteralLt_ = false;
}

void CaptureRecorder::MoveTo(const CapturedMouse& m, std::string& out) {
    const CapturedWindow& w = m.window;
    const bool relativeToWindow = options_.relative == CaptureRelative::Window;
    if (relativeToWindow && options_.windowSize && w.id != sizedWindow_ && w.width > 0 &&
        w.height > 0) {
        TagFields f = Numbers(w.width, w.height);
        f.CurrentWindow = true;
        Tag(WriteTag(TagKind::WindowSize, f), out);
        sizedWindow_ = w.id;
    }
    const ScreenPoint origin{w.left, w.top};
    if (moved_ && SamePoint(m.at, lastPos_) &&
        (!relativeToWindow || (w.id == lastWindow_ && SamePoint(origin, lastOrigin_))))
        return;
    switch (options_.relative) {
    case CaptureRelative::Screen:
        Tag(WriteTag(TagKind::MoveScreen, Numbers(m.at.x, m.at.y)), out);
        break;
    case CaptureRelative::Window:
        Tag(WriteTag(TagKind::MoveWindow, Numbers(m.at.x - w.left, m.at.y - w.top)), out);
        break;
    case CaptureRelative::LastPosition:
        Tag(WriteTag(TagKind::MoveBy, Numbers(m.at.x - lastPos_.x, m.at.y - lastPos_.y)), out);
        break;
    }
    lastPos_ = m.at;
    lastWindow_ = w.id;
    lastOrigin_ = origin;
    moved_ = true;
}

void CaptureRecorder::FlushClicks(std::string& out) {
    switch (pending_) {
    case Pending::None: break;
    case Pending::Down: Button(pendingButton_, 0, out); break;
    case Pending::Clicked: Button(pendingButton_, 2, out); break;
    case Pending::SecondDown:
        Button(pendingButton_, 2, out);
        Button(pendingButton_, 0, out);
        break;
    }
    pending_ = Pending::None;
}

void CaptureRecorder::FlushMouse(std::string& out) {
    FlushClicks(out);
    if (!moveWaiting_) return;
    moveWaiting_ = false;
    Delay(waitingMove_.time, out);
    MoveTo(waitingMove_, out);
}

void CaptureRecorder::Button(int button, int kind, std::string& out) {
    Tag(WriteTag(kButtonTags[button - 1][kind]), out);
}

}  // namespace tavrin
