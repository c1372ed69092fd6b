#pragma once
// Records injected input as readable events and answers like a US layout.
#include <functional>
#include <string>
#include <vector>

#include "platform/input.h"

namespace tavrin {

class FakeInput : public Input {
public:
    std::vector<std::string> events;
    ScreenPoint cursor{100, 200};
    ScreenPoint foreground{50, 60};
    int width = 1024;
    int height = 768;
    // Characters the layout types with AltGr (shift state 6).
    std::string altGr = "@";
    // Characters the layout has no key for.
    std::string missing = "()";
    // Characters beyond ASCII the layout types with key 222 (all others have
    // no key).
    std::string keyed;
    // Called after every event, e.g. to abort at a chosen moment.
    std::function<void()> afterEvent;

    void Key(uint8_t virtualKey, bool up) override {
        Record(std::string(up ? "up " : "down ") + std::to_string(virtualKey));
    }
    void UnicodeCharacter(char c) override { Record(std::string("unicode ") + c); }
    int16_t KeyScan(char c) override {
        if (missing.find(c) != std::string::npos) return -1;
        if (altGr.find(c) != std::string::npos) return static_cast<int16_t>(0x600 | 'Q');
        if (!keyed.empty() && keyed.find(c) != std::string::npos) return 222;
        if (c >= 'a' && c <= 'z') return static_cast<int16_t>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return static_cast<int16_t>(0x100 | c);
        if (c >= '0' && c <= '9') return c;
        if (c == '\r') return 13;
        if (c == '\n') return 0x20D;  // Ctrl+Enter, as US layouts answer
        if (c == ' ') return 32;
        if (c == '!') return static_cast<int16_t>(0x100 | '1');
        if (c == '<') return static_cast<int16_t>(0x100 | 188);
        if (c == '.') return 190;
        if (c == '>') return static_cast<int16_t>(0x100 | 190);
        return -1;
    }
    void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override {
        Record("mouse " + std::to_string(flags) + " " + std::to_string(dx) + " " +
               std::to_string(dy) + " " + std::to_string(data));
    }
    ScreenPoint CursorPos() override { return cursor; }
    ScreenPoint ForegroundWindowOrigin() override { return foreground; }
    int ScreenWidth() override { return width; }
    int ScreenHeight() override { return height; }

private:
    void Record(const std::string& e) {
        events.push_back(e);
        if (afterEvent) afterEvent();
    }
};

}  // namespace tavrin
