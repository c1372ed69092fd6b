#include "store/hot_key_codes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tavrin {
namespace {

struct Key {
    std::string name;
    uint16_t vk = 0;
    uint16_t button = 0;
    bool keypad = false;  // spelt "KeyPad x" / "Keypad x"
};
using Keys = std::vector<Key>;
using Prefixes = std::vector<const char*>;

// Reverse lookup: one row per virtual key 0..255, then one per mouse button
// 1..3; one column per combination of the four modifiers.
constexpr size_t kKeyRows = 256;
constexpr size_t kRows = kKeyRows + 3;
constexpr size_t kModifierSets = 16;

int Slot(uint16_t vk, uint16_t button, bool ctrl, bool alt, bool shift, bool win) {
    if (vk >= kKeyRows || button > 3 || (button != 0 && vk != 0)) return -1;
    size_t row = button != 0 ? kKeyRows - 1 + button : vk;
    size_t mods = (ctrl ? 1 : 0) | (alt ? 2 : 0) | (shift ? 4 : 0) | (win ? 8 : 0);
    return static_cast<int>(row * kModifierSets + mods);
}

struct HotKeyList {
    std::vector<std::string> names;
    std::vector<DecodedHotKey> keys;
    std::vector<int16_t> codeOf = std::vector<int16_t>(kRows * kModifierSets, -1);

    // Appends every key with every prefix, key by key.
    void Add(const Keys& keyList, const Prefixes& prefixes) {
        for (const Key& key : keyList)
            for (const char* prefix : prefixes) AddOne(prefix, key);
    }

    void AddOne(const std::string& prefix, const Key& key) {
        DecodedHotKey d;
        d.VirtualKey = key.vk;
        d.MouseButton = key.button;
        // The modifiers are read from the prefix text itself, so a code's
        // decoding always agrees with its name.
        size_t start = 0;
        for (size_t plus; (plus = prefix.find('+', start)) != std::string::npos; start = plus + 1) {
            std::string modifier = prefix.substr(start, plus - start);
            d.Ctrl |= modifier == "Ctrl";
            d.Alt |= modifier == "Alt";
            d.Shift |= modifier == "Shift";
            d.Win |= modifier == "Win";
        }
        // Keypad keys keep the capital P alone or after Shift only.
        std::string name = prefix;
        if (key.keypad) name += d.Ctrl || d.Alt || d.Win ? "Keypad " : "KeyPad ";
        name += key.name;
        if (name.size() > kHotKeyNameWidth) name.resize(kHotKeyNameWidth);

        int slot = Slot(d.VirtualKey, d.MouseButton, d.Ctrl, d.Alt, d.Shift, d.Win);
        if (codeOf[slot] < 0) codeOf[slot] = static_cast<int16_t>(names.size());
        names.push_back(name);
        keys.push_back(d);
    }
};

HotKeyList BuildList() {
    Keys basic;  // A .. Z, 0 .. 9, F1 .. F12
    for (int i = 0; i < 26; ++i)
        basic.push_back({std::string(1, static_cast<char>('A' + i)), static_cast<uint16_t>('A' + i)});
    for (int i = 0; i < 10; ++i)
        basic.push_back({std::string(1, static_cast<char>('0' + i)), static_cast<uint16_t>('0' + i)});
    Keys functionKeys;
    for (int i = 0; i < 12; ++i)
        functionKeys.push_back({"F" + std::to_string(i + 1), static_cast<uint16_t>(112 + i)});
    basic.insert(basic.end(), functionKeys.begin(), functionKeys.end());
    Keys keypadDigits;
    for (int i = 0; i < 10; ++i)
        keypadDigits.push_back({std::to_string(i), static_cast<uint16_t>(96 + i), 0, true});

    const Key space{"Space", 32};
    // The letter, digit and function key blocks take the same six prefixes
    // as the punctuation keys, but in another order.
    const Prefixes basicBlocks = {"Ctrl+",     "Alt+",       "Ctrl+Shift+",
                                  "Ctrl+Alt+", "Alt+Shift+", "Ctrl+Alt+Shift+"};
    const Prefixes p6 = {"Ctrl+",      "Alt+",      "Ctrl+Shift+",
                         "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
    const Prefixes p7 = {"Ctrl+",      "Alt+",      "Shift+",         "Ctrl+Shift+",
                         "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
    const Prefixes p8 = {"",            "Ctrl+",      "Alt+",      "Shift+",
                         "Ctrl+Shift+", "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
    const Keys pageAndArrows = {{"Page Up", 33},     {"Page Down", 34}, {"Left Arrow", 37},
                                {"Right Arrow", 39}, {"Up Arrow", 38},  {"Down Arrow", 40}};

    HotKeyList list;
    // 0 .. 311: letters, digits and function keys with modifiers.
    for (const char* prefix : basicBlocks) list.Add(basic, {prefix});
    list.Add(functionKeys, {""});
    list.Add(functionKeys, {"Shift+"});
    // 312 .. 363: editing keys.
    list.Add({{"Enter", 13}}, p7);
    list.Add({{"Tab", 9}}, {"Ctrl+", "Shift+", "Ctrl+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"});
    list.Add({{"Backspace", 8}, space, {"Insert", 45}}, p7);
    list.Add({{"Delete", 46}}, {"Ctrl+", "Alt+", "Shift+", "Ctrl+Shift+", "Alt+Shift+"});
    list.Add({{"Home", 36}, {"End", 35}}, p7);
    // 364 .. 461: punctuation and the keypad operators.
    list.Add({{".", 190}, {",", 188}, {"/", 191}, {";", 186}, {"'", 222}, {"\\", 220},
              {"[", 219}, {"]", 221}, {"-", 189}, {"=", 187}, {"`", 192}},
             p6);
    list.Add({{"/", 111, 0, true}, {"*", 106, 0, true}, {"-", 109, 0, true}, {"+", 107, 0, true}},
             p8);
    // 462 .. 513: navigation keys.
    list.Add({{"Insert", 45}, {"Delete", 46}, {"Home", 36}, {"End", 35}}, {""});
    list.Add(pageAndArrows, {""});
    list.Add(pageAndArrows, p7);
    // 514 .. 553: keypad digits.
    list.Add(keypadDigits, {"", "Ctrl+", "Alt+", "Ctrl+Alt+"});
    // 554 .. 697: the Windows key.
    for (const char* prefix : {"Win+", "Win+Ctrl+", "Win+Alt+"}) list.Add(basic, {prefix});
    // 698 .. 720: the rest.
    list.Add({{"ESC", 27}}, {""});
    list.Add({{"LMouse", 0, 1}, {"RMouse", 0, 2}, {"MMouse", 0, 3}},
             {"", "Shift+", "Ctrl+", "Alt+", "Ctrl+Shift+", "Ctrl+Alt+", "Shift+Alt+"});
    list.Add({space}, {"Win+"});
    return list;
}

const HotKeyList& List() {
    static const HotKeyList list = BuildList();
    return list;
}

constexpr std::array<uint16_t, 10> kReserved = {89, 185, 233, 590, 557, 558, 559, 566, 571, 607};

}  // namespace

const std::string& HotKeyName(uint16_t code) {
    static const std::string none;
    const HotKeyList& list = List();
    return code < list.names.size() ? list.names[code] : none;
}

DecodedHotKey DecipherKey(uint16_t code) {
    const HotKeyList& list = List();
    return code < list.keys.size() ? list.keys[code] : DecodedHotKey{};
}

int HotKeyCodeFor(uint16_t virtualKey, uint16_t mouseButton, bool ctrl, bool alt, bool shift,
                  bool win) {
    int slot = Slot(virtualKey, mouseButton, ctrl, alt, shift, win);
    return slot < 0 ? -1 : List().codeOf[slot];
}

bool IsReservedHotKey(uint16_t code) {
    return std::find(kReserved.begin(), kReserved.end(), code) != kReserved.end();
}

std::string ReservedHotKeyWarning(const std::string& name) {
    return name + " may be used internally by Windows 95, 98 or NT. " +
           " This may cause the hot key not to function correctly." +
           " Would you still like to use " + name + "?";
}

}  // namespace tavrin
