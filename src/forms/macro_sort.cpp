#include "forms/macro_sort.h"

#include <algorithm>

#include "language/ansi_text.h"
#include "store/hot_key_codes.h"

namespace tavrin {

namespace {

// Place markers: every key of an earlier place sorts before every key of a
// later one, byte by byte.
const char* const kActivationMarkers[] = {"AAAAA", "AAAAz", "AAAz", "AAz", "Az"};
const char* const kScopeMarkers[] = {"AAAAAA", "AAAAAz", "AAAAz", "AAAz", "AAz"};

// The marker of digit's place in order; a digit the order lacks sorts last.
std::string Marker(const char* const* markers, const std::string& order, char digit) {
    const size_t place = order.find(digit);
    if (place == std::string::npos || place >= 5) return "z";
    return markers[place];
}

char ActivationDigit(uint16_t hotKey) {
    switch (hotKey) {
        case kHotKeyQuillet: return '2';
        case kHotKeyTimed: return '3';
        case kHotKeyNone: return '4';
        case kHotKeyWindowTitle: return '5';
        default: return '1';
    }
}

std::string ActivationPart(const MacroStore& store, int n, const Settings& s) {
    const uint16_t hotKey = store.Table().HotKeyOf(n);
    const char digit = ActivationDigit(hotKey);
    std::string part = Marker(kActivationMarkers, s.ActivationSort, digit);
    if (digit == '1') part += HotKeyName(hotKey);
    if (digit == '2') part += UpperCase(store.QuilletOf(n));
    return part;
}

std::string ScopePart(const MacroStore& store, int n, const Settings& s) {
    const int16_t scope = store.Table().ScopeOf(n);
    const char digit = scope >= 1 && scope <= 5 ? static_cast<char>('0' + scope) : '?';
    std::string part = Marker(kScopeMarkers, s.ScopeSort, digit);
    if (scope == kScopeWindow || scope == kScopeProgram)
        part += UpperCase(store.Table().ScopeNameOf(n));
    return part;
}

// The three component digits in key order: the first two of "Primary
// Sort", then the one they leave out. A value that does not name two
// different components sorts as "123".
std::string ComponentOrder(const std::string& primary) {
    const auto valid = [](char c) { return c >= '1' && c <= '3'; };
    if (primary.size() < 2 || !valid(primary[0]) || !valid(primary[1]) || primary[0] == primary[1])
        return "123";
    std::string order = primary.substr(0, 2);
    for (char c : std::string("123"))
        if (order.find(c) == std::string::npos) order += c;
    return order;
}

}  // namespace

std::string SortKey(const MacroStore& store, int n, const Settings& s) {
    std::string key;
    for (char c : ComponentOrder(s.PrimarySort)) {
        if (c == '1') key += ActivationPart(store, n, s);
        if (c == '2') key += UpperCase(store.NicknameOf(n));
        if (c == '3') key += ScopePart(store, n, s);
    }
    return key;
}

std::vector<int> FillList(const MacroStore& store, const Settings& s) {
    const int count = store.MacroCount();
    std::vector<int> rows(count > 0 ? count : 0);
    for (int r = 0; r < count; ++r) rows[r] = r + 1;
    if (count < 2) return rows;
    std::vector<std::string> keys(count + 1);
    for (int n = 1; n <= count; ++n) keys[n] = SortKey(store, n, s);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    return rows;
}

std::string PrimarySortForTitle(const std::string& columnTitle) {
    if (columnTitle == "Activation") return "132";
    if (columnTitle == "Nickname") return "213";
    if (columnTitle == "Scope") return "321";
    return "";
}

}  // namespace tavrin
