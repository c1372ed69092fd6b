#pragma once
// The repeat prompt of "<PROMPTREP>": the number of times to
// repeat, typed by the user. The prompt cannot be closed before it holds one.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrin {

constexpr size_t kRepeatCountChars = 4;  // longest text of the field

struct RepeatCheck {
    bool Ok = true;
    std::string Title;
    std::string Message;
    uint16_t Count = 0;
};

// Judges the field's text, trimmed of spaces, when the prompt is about to
// close: a whole number from 1 up is the count; anything else is refused and
// the prompt stays open.
RepeatCheck CheckRepeatCount(const std::string& text);

}  // namespace tavrin
