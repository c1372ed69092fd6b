#include "triggers/quillets.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "language/ansi_text.h"
#include "platform/hook_protocol.h"
#include "triggers/scope_match.h"

namespace tavrin {

namespace {

constexpr char kPunctuation[] = "!#$%&'*+,-./;<=>?@^_";

}  // namespace

bool IsQuilletCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c != '\0' && std::strchr(kPunctuation, c) != nullptr);
}

void Quillets::OnTyped(uint32_t wParam, uint32_t lParam) {
    const MacroTable& t = store_.Table();
    if (t.MacroCount() == 0 || !t.Byte(table::HasQuillets)) return;
    if (wParam == kTypingReset) {
        buffer_.clear();
        return;
    }
    // While a macro plays its flag is its own: a timed macro's typing comes
    // back here, with Caps Lock off for it.
    if (!player_.Running()) player_.SetCapsLockFlag(wParam == kQuilletCapsOn);
    const char c = static_cast<char>(lParam & 0xFF);
    if (IsQuilletCharacter(c)) {
        buffer_.push_back(c);
        const size_t keep = std::min(settings_.PrefixKeys.size() + 10, kBufferChars);
        if (buffer_.size() > keep) buffer_.erase(0, buffer_.size() - keep);
        if (!settings_.UseSuffix) TestIt();
    } else if (c == 8) {
        if (!buffer_.empty()) buffer_.pop_back();
    } else {
        if (settings_.UseSuffix && (c == ' ' || c == '\r')) TestIt();
        buffer_.clear();
    }
}

void Quillets::TestIt() {
    const std::string prefix = Prefix();
    if (!prefix.empty() && !Contains(buffer_, prefix)) return;
    const bool exact = settings_.SolitaryUsage || settings_.UseSuffix;
    auto fold = [this](const std::string& s) { return settings_.CaseSensitive ? s : UpperCase(s); };
    const std::string text = fold(buffer_);

    const MacroTable& t = store_.Table();
    std::vector<int> matches;
    for (int n = 1; n <= t.MacroCount() && matches.size() < kMaxMatches; ++n) {
        if (t.HotKeyOf(n) != kHotKeyQuillet || !t.ActiveOf(n)) continue;
        const std::string candidate = fold(prefix + store_.QuilletOf(n));
        if (exact ? text == candidate : Contains(text, candidate)) matches.push_back(n);
    }
    if (matches.empty() || runner_.RefuseWhileBusy()) return;

    // A scoped match runs only while its window or program is in front.
    const ScopeTarget target = ScopeTargetOf(desktop_, desktop_.Foreground(), t, matches);
    int chosen = 0;
    for (int n : matches) {
        if (InWindowScope(t, n, target)) {
            chosen = n;
            break;
        }
    }
    if (!chosen) {
        for (int n : matches) {
            if (InProgramScope(t, n, target)) {
                chosen = n;
                break;
            }
        }
    }
    for (int n : matches) {
        if (!chosen && t.ScopeOf(n) == kScopeGlobal) chosen = n;
    }
    if (!chosen || player_.Running()) return;
    const size_t erase = store_.QuilletOf(chosen).size() +
                         (settings_.UseSuffix ? 1 : settings_.PrefixKeys.size());
    runner_.RunMacro(chosen, static_cast<int>(erase));
    buffer_.clear();
}

}  // namespace tavrin
