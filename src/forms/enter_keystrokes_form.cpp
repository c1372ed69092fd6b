#include "forms/enter_keystrokes_form.h"

#include "language/tag_writer.h"

namespace tavrin {

using K = TagKind;

const std::vector<KeystrokeKey>& KeystrokeButtons() {
    static const std::vector<KeystrokeKey> keys = [] {
        std::vector<KeystrokeKey> k = {
            {"S&hift", K::Shift},          {"C&trl", K::Ctrl},
            {"Alt", K::Alt},               {"Space", K::Space},
            {"Ta&b", K::Tab},              {"Backspace", K::Backspace},
            {"E&nter", K::Enter},          {"E&sc", K::Esc},
            {"Page Do&wn", K::PageDown},   {"Pa&ge Up", K::PageUp},
            {"&Insert", K::Insert},        {"&Delete", K::Delete},
            {"Ho&me", K::Home},            {"End", K::End},
            {"U&p Arrow", K::UpArrow},     {"D&own Arrow", K::DownArrow},
            {"&Left Arrow", K::LeftArrow}, {"&Right Arrow", K::RightArrow},
        };
        static const char* const f[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                        "F7", "F8", "F9", "F10", "F11", "F12"};
        for (int n = 1; n <= 12; ++n) k.push_back({f[n - 1], K::FKey, n});
        return k;
    }();
    return keys;
}

const std::vector<KeystrokeKey>& MiscellaneousKeys() {
    static const std::vector<KeystrokeKey> keys = [] {
        std::vector<KeystrokeKey> k = {
            {"Left Window", K::LeftWin}, {"Right Window", K::RightWin}, {"Application", K::App}};
        static const char* const f[] = {"F13", "F14", "F15", "F16", "F17", "F18",
                                        "F19", "F20", "F21", "F22", "F23", "F24"};
        for (int n = 13; n <= 24; ++n) k.push_back({f[n - 13], K::FKey, n});
        for (const KeystrokeKey& key :
             {KeystrokeKey{"Attn", K::Attn}, {"CrSel", K::CrSel}, {"ExSel", K::ExSel},
              {"Erase EOF", K::EraseEof}, {"Play", K::Play}, {"Zoom", K::Zoom}, {"PA1", K::Pa1}})
            k.push_back(key);
        static const char* const digits[] = {"Keypad 0", "Keypad 1", "Keypad 2", "Keypad 3",
                                             "Keypad 4", "Keypad 5", "Keypad 6", "Keypad 7",
                                             "Keypad 8", "Keypad 9"};
        for (int n = 0; n <= 9; ++n) k.push_back({digits[n], K::KeypadDigit, n});
        for (const KeystrokeKey& key :
             {KeystrokeKey{"Keypad .", K::KeypadPoint}, {"Keypad /", K::KeypadDivide},
              {"Keypad *", K::KeypadMultiply}, {"Keypad -", K::KeypadMinus},
              {"Keypad +", K::KeypadPlus}, {"Print Screen", K::PrintScreen},
              {"Scroll Lock", K::ScrollLock}, {"Pause", K::PauseKey},
              {"Caps Lock", K::CapsLock}, {"Num Lock", K::NumLock}})
            k.push_back(key);
        return k;
    }();
    return keys;
}

std::string KeyTagOf(const KeystrokeKey& key) { return WriteTag(key.Kind, key.Index, {}); }

std::string InsertionRefusal(size_t currentLength, size_t insertLength) {
    if (currentLength + insertLength <= kKeystrokesLimit) return "";
    return "Text exceeds maximum length.  Text not added.";
}

KeystrokesUpdate UpdateKeystrokes(const std::string& memo) {
    KeystrokesUpdate update;
    for (char c : memo) {
        if (c == '\t') {
            update.Text += "<TAB>";
        } else {
            update.Text += c;
        }
    }
    if (update.Text.size() > kKeystrokesLimit) {
        update.Text.resize(kKeystrokesLimit);
        update.Warning =
            "The size of the macro exceeds the 5,000 character limit.  The macro will be "
            "truncated to 5,000 characters.";
    }
    return update;
}

}  // namespace tavrin
