#include "playback/keystrokes.h"

#include "platform/virtual_keys.h"

namespace tavrin {

namespace {

using vk::kAlt;
using vk::kCtrl;
using vk::kLeftWin;
using vk::kNumpad0;
using vk::kShift;

bool IsModifier(uint8_t key) {
    return key == kShift || key == kCtrl || key == kAlt || key == kLeftWin;
}

struct KeyTag {
    TagKind kind;
    uint8_t key;
};

constexpr KeyTag kKeyTags[] = {
    {TagKind::Tab, 9},           {TagKind::Enter, 13},          {TagKind::Backspace, 8},
    {TagKind::Esc, 27},          {TagKind::Space, 32},          {TagKind::LeftArrow, 37},
    {TagKind::RightArrow, 39},   {TagKind::UpArrow, 38},        {TagKind::DownArrow, 40},
    {TagKind::Home, 36},         {TagKind::End, 35},            {TagKind::Insert, 45},
    {TagKind::Delete, 46},       {TagKind::PageDown, 34},       {TagKind::PageUp, 33},
    {TagKind::LeftWin, 91},      {TagKind::RightWin, 92},       {TagKind::App, 93},
    {TagKind::Attn, 246},        {TagKind::CrSel, 247},         {TagKind::ExSel, 248},
    {TagKind::EraseEof, 249},    {TagKind::Play, 250},          {TagKind::Zoom, 251},
    {TagKind::Pa1, 253},         {TagKind::PrintScreen, 44},    {TagKind::ScrollLock, 145},
    {TagKind::PauseKey, 19},     {TagKind::CapsLock, 20},       {TagKind::NumLock, 144},
    {TagKind::KeypadMultiply, 106}, {TagKind::KeypadPlus, 107}, {TagKind::KeypadMinus, 109},
    {TagKind::KeypadPoint, 110}, {TagKind::KeypadDivide, 111},
};

}  // namespace

int KeyTagVirtualKey(TagKind kind, int index) {
    if (kind == TagKind::FKey) return 111 + index;             // F1 is 112
    if (kind == TagKind::KeypadDigit) return kNumpad0 + index;  // 96 .. 105
    for (const KeyTag& k : kKeyTags) {
        if (k.kind == kind) return k.key;
    }
    return -1;
}

void Keystrokes::PostVKey(uint8_t key, bool up) {
    if (IsModifier(key)) down_[key] = !up;
    input_.Key(key, up);
}

void Keystrokes::KeyPress(uint8_t key) {
    PostVKey(key, false);
    PostVKey(key, true);
}

void Keystrokes::ReleaseHeld(HeldModifiers& held) {
    if (held.shift) {
        held.shift = false;
        PostVKey(kShift, true);
    }
    if (held.ctrl) {
        held.ctrl = false;
        PostVKey(kCtrl, true);
    }
    if (held.alt) {
        held.alt = false;
        PostVKey(kAlt, true);
    }
}

bool Keystrokes::KeyDelayWait() { return keyDelay_ <= 0 || delay_(keyDelay_); }

bool Keystrokes::MouseDelayWait() { return mouseDelay_ <= 0 || delay_(mouseDelay_); }

void Keystrokes::TypeCharacter(char c, HeldModifiers& held) {
    if (!KeyDelayWait()) return;
    const int16_t scan = input_.KeyScan(c);
    if (scan == -1) {
        // No key on this layout types it: send the character itself, the
        // code page's character, which the ALT keypad would give on Windows
        // but whatever Num Lock and the target make of ALT codes. One beyond
        // ASCII leaves the one-shot modifiers held, as the ALT keypad did.
        input_.UnicodeCharacter(c);
        if (static_cast<unsigned char>(c) < 128) ReleaseHeld(held);
        return;
    }
    const int shiftState = (scan >> 8) & 0xFF;
    const uint8_t key = static_cast<uint8_t>(scan & 0xFF);
    switch (shiftState) {
        case 1:
            PostVKey(kShift, false);
            held.shift = true;
            break;
        case 2:
            PostVKey(kCtrl, false);
            held.ctrl = true;
            break;
        case 6:
            PostVKey(kCtrl, false);
            PostVKey(kAlt, false);
            held.ctrl = held.alt = true;
            break;
        case 7:
            PostVKey(kShift, false);
            PostVKey(kCtrl, false);
            PostVKey(kAlt, false);
            held.shift = held.ctrl = held.alt = true;
            break;
    }
    KeyPress(key);
    ReleaseHeld(held);
}

void Keystrokes::AltKeypad(const std::string& digits) {
    PostVKey(kAlt, false);
    for (char d : digits) {
        input_.Key(static_cast<uint8_t>(kNumpad0 + (d - '0')), false);
        input_.Key(static_cast<uint8_t>(kNumpad0 + (d - '0')), true);
    }
    PostVKey(kAlt, true);
}

void Keystrokes::Buttons(uint32_t down, uint32_t up, int times) {
    if (!MouseDelayWait()) return;
    for (int i = 0; i < times; ++i) {
        if (down) input_.Mouse(down, 0, 0, 0);
        if (up) input_.Mouse(up, 0, 0, 0);
    }
}

void Keystrokes::MouseMove(const TagMatch& tag) {
    ScreenPoint base;
    if (tag.Kind == TagKind::MoveBy) base = input_.CursorPos();
    if (tag.Kind == TagKind::MoveWindow) base = input_.ForegroundWindowOrigin();
    const double xScale = 65535.0 / input_.ScreenWidth();
    const double yScale = 65535.0 / input_.ScreenHeight();
    const auto dx = static_cast<int32_t>((base.x + tag.Fields.Numbers[0]) * xScale);
    const auto dy = static_cast<int32_t>((base.y + tag.Fields.Numbers[1]) * yScale);
    if (MouseDelayWait()) input_.Mouse(mouse::kMove | mouse::kAbsolute, dx, dy, 0);
}

bool Keystrokes::PlayTag(const TagMatch& tag, HeldModifiers& held) {
    const int key = KeyTagVirtualKey(tag.Kind, tag.Index);
    if (key >= 0) {
        if (!KeyDelayWait()) return true;
        KeyPress(static_cast<uint8_t>(key));
        ReleaseHeld(held);
        return true;
    }
    using mouse::kLeftDown, mouse::kLeftUp, mouse::kRightDown, mouse::kRightUp,
        mouse::kMiddleDown, mouse::kMiddleUp;
    switch (tag.Kind) {
        case TagKind::ShiftDown: PostVKey(kShift, false); return true;
        case TagKind::ShiftUp: PostVKey(kShift, true); return true;
        case TagKind::CtrlDown: PostVKey(kCtrl, false); return true;
        case TagKind::CtrlUp: PostVKey(kCtrl, true); return true;
        case TagKind::AltDown: PostVKey(kAlt, false); return true;
        case TagKind::AltUp: PostVKey(kAlt, true); return true;
        case TagKind::WinDown: PostVKey(kLeftWin, false); return true;
        case TagKind::WinUp: PostVKey(kLeftWin, true); return true;
        case TagKind::Shift:
            PostVKey(kShift, false);
            held.shift = true;
            return true;
        case TagKind::Ctrl:
            PostVKey(kCtrl, false);
            held.ctrl = true;
            return true;
        case TagKind::Alt:
            PostVKey(kAlt, held.alt);
            held.alt = !held.alt;
            return true;
        case TagKind::AltCode:
        case TagKind::AltCode4: {
            if (!KeyDelayWait()) return true;
            // The digits as written, leading zeros kept.
            const size_t width = tag.Kind == TagKind::AltCode ? 3 : 4;
            std::string digits = std::to_string(tag.Fields.Numbers[0]);
            AltKeypad(std::string(width > digits.size() ? width - digits.size() : 0, '0') +
                      digits);
            return true;
        }
        case TagKind::RightMouse:
        case TagKind::MiddleMouse:
            // Keys like the others, and like them they let go of the one-shot
            // modifiers; only the key delay does not come before them.
            KeyPress(tag.Kind == TagKind::RightMouse ? 2 : 4);
            ReleaseHeld(held);
            return true;
        case TagKind::LeftDown: Buttons(kLeftDown, 0, 1); return true;
        case TagKind::LeftUp: Buttons(0, kLeftUp, 1); return true;
        case TagKind::LeftClick: Buttons(kLeftDown, kLeftUp, 1); return true;
        case TagKind::LeftDoubleClick: Buttons(kLeftDown, kLeftUp, 2); return true;
        case TagKind::RightDown: Buttons(kRightDown, 0, 1); return true;
        case TagKind::RightUp: Buttons(0, kRightUp, 1); return true;
        case TagKind::RightClick: Buttons(kRightDown, kRightUp, 1); return true;
        case TagKind::RightDoubleClick: Buttons(kRightDown, kRightUp, 2); return true;
        case TagKind::MiddleDown: Buttons(kMiddleDown, 0, 1); return true;
        case TagKind::MiddleUp: Buttons(0, kMiddleUp, 1); return true;
        case TagKind::MiddleClick: Buttons(kMiddleDown, kMiddleUp, 1); return true;
        case TagKind::MiddleDoubleClick: Buttons(kMiddleDown, kMiddleUp, 2); return true;
        case TagKind::WheelForward:
        case TagKind::WheelBackward: {
            if (!MouseDelayWait()) return true;
            const int32_t data = tag.Fields.Numbers[0] * 120;
            input_.Mouse(mouse::kWheel, 0, 0, tag.Kind == TagKind::WheelForward ? data : -data);
            return true;
        }
        case TagKind::MoveScreen:
        case TagKind::MoveWindow:
        case TagKind::MoveBy:
            MouseMove(tag);
            return true;
        default:
            return false;
    }
}

void Keystrokes::ReleaseModifiersLeftDown() {
    for (uint8_t key : {kShift, kCtrl, kAlt, kLeftWin}) {
        if (down_[key]) PostVKey(key, true);
    }
}

}  // namespace tavrin
