#pragma once
// "Size or Position a Window": resize (kind 1) or move (kind 2) the current
// window or one found by its title.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kSizeChars = 4;      // width and height
constexpr size_t kPositionChars = 5;  // left and top

enum SizeWindowField { kSizeTitleField = 1, kSizeFirstField, kSizeSecondField };

struct SizeWindowValues {
    int Kind = 0;
    bool CurrentWindow = false;
    std::string Title;  // empty for the current window
    int First = 0;      // the width, or the left
    int Second = 0;     // the height, or the top
};

struct SizeWindowFields {
    int Kind = 0;
    bool CurrentWindow = false;  // "Current &Window", else "Speci&fic Window"
    std::string Title;
    std::string First;   // "Width" or "Left"
    std::string Second;  // "Height" or "Top"
};

SizeWindowFields NewSizeWindowFields();
SizeWindowFields SizeWindowFieldsOf(const SizeWindowValues& values);
SizeWindowValues SizeWindowValuesOf(const TagMatch& match);
CommandAnswer<SizeWindowValues> AcceptSizeWindow(const SizeWindowFields& fields);

}  // namespace tavrin
