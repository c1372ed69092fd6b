#pragma once
// Quillets: abbreviations typed in any program, erased and replaced by their
// macro. The typed characters arrive one by one from the hook library.
#include <cstdint>
#include <string>

#include "platform/desktop.h"
#include "store/macro_store.h"
#include "store/settings.h"
#include "triggers/hot_key_runner.h"

namespace tavrin {

// Characters a Quillet, its prefix and the typed buffer are made of.
bool IsQuilletCharacter(char c);

class Quillets {
public:
    static constexpr size_t kBufferChars = 20;
    static constexpr size_t kMaxMatches = 50;

    Quillets(MacroStore& store, const Settings& settings, Desktop& desktop, Player& player,
             HotKeyRunner& runner)
        : store_(store), settings_(settings), desktop_(desktop), player_(player), runner_(runner) {}

    // Message 0x406: wParam 1 resets; otherwise lParam's low byte was typed
    // and wParam 2 says Caps Lock is on.
    void OnTyped(uint32_t wParam, uint32_t lParam);
    const std::string& Buffer() const { return buffer_; }

private:
    void TestIt();
    std::string Prefix() const { return settings_.UseSuffix ? "" : settings_.PrefixKeys; }

    MacroStore& store_;
    const Settings& settings_;
    Desktop& desktop_;
    Player& player_;
    HotKeyRunner& runner_;
    std::string buffer_;
};

}  // namespace tavrin
