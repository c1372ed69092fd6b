#pragma once
// The keyboard remapper's tables: for each of 93 characters in four groups,
// the character its key types instead (0: nothing). They are kept per macro
// file in a remap file beside it, and shared with the hook library in the
// remap block, whose remap hook does the replacing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrin {

constexpr size_t kRemapBytes = 93;
using RemapTables = std::array<uint8_t, kRemapBytes>;

struct RemapGroup {
    const char* name;
    size_t offset;  // into the tables and the remap file's record
    size_t size;
};
// Upper case, lower case, numeric and punctuation, in the record's order.
extern const RemapGroup kRemapGroups[4];

// The character at a position when nothing is remapped: A .. Z, a .. z,
// 0 .. 9, then the ANSI codes 32 .. 47, 58 .. 64, 91 .. 96, 125 and 126.
uint8_t DefaultRemapCharacter(size_t position);
RemapTables DefaultRemapTables();
// In use: some byte differs from its default.
bool RemapsInUse(const RemapTables& tables);

struct Remap {
    bool replaced = false;  // false: the key types its own character
    uint8_t character = 0;  // what it types instead; 0 types nothing
};
// What a typed character becomes.
Remap RemapCharacter(const RemapTables& tables, uint8_t typed);

// The remap file of a macro file: its ".ZYN" replaced by ".ZYS", or ".ZYS"
// added to a name that does not end in ".ZYN", so that it is never the
// macro file itself.
std::string RemapFilePath(const std::string& macroFile);

// The shared remap block "ZYTT1KGR".
namespace remap_block {
constexpr size_t kSize = 104;
constexpr size_t kMainWindow = 0;
constexpr size_t kHook = 4;
constexpr size_t kTables = 8;
constexpr size_t kFlag = 103;
}  // namespace remap_block
inline constexpr char kRemapBlockName[] = "ZYTT1KGR";

}  // namespace tavrin
