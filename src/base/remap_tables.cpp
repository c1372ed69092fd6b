#include "base/remap_tables.h"

#include "language/ansi_text.h"

namespace tavrin {

const RemapGroup kRemapGroups[4] = {
    {"Upper Case", 0, 26},
    {"Lower Case", 26, 26},
    {"Numeric", 52, 10},
    {"Punctuation", 62, 31},
};

uint8_t DefaultRemapCharacter(size_t position) {
    if (position < 26) return static_cast<uint8_t>('A' + position);
    if (position < 52) return static_cast<uint8_t>('a' + position - 26);
    if (position < 62) return static_cast<uint8_t>('0' + position - 52);
    static const struct {
        uint8_t first, last;
    } punctuation[] = {{32, 47}, {58, 64}, {91, 96}, {125, 126}};
    size_t k = position - 62;
    for (const auto& run : punctuation) {
        const size_t length = run.last - run.first + 1u;
        if (k < length) return static_cast<uint8_t>(run.first + k);
        k -= length;
    }
    return 0;
}

RemapTables DefaultRemapTables() {
    RemapTables tables{};
    for (size_t i = 0; i < kRemapBytes; ++i) tables[i] = DefaultRemapCharacter(i);
    return tables;
}

bool RemapsInUse(const RemapTables& tables) { return tables != DefaultRemapTables(); }

Remap RemapCharacter(const RemapTables& tables, uint8_t typed) {
    for (size_t i = 0; i < kRemapBytes; ++i) {
        if (DefaultRemapCharacter(i) != typed) continue;
        if (tables[i] == typed) return {};
        return {true, tables[i]};
    }
    return {};
}

std::string RemapFilePath(const std::string& macroFile) {
    const size_t n = macroFile.size();
    if (n >= 4 && UpperCase(macroFile.substr(n - 4)) == ".ZYN")
        return macroFile.substr(0, n - 4) + ".ZYS";
    return macroFile + ".ZYS";
}

}  // namespace tavrin
