#pragma once
// "Display A Text Box": the header and the text of a window of text shown
// while a macro plays.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kBoxHeaderChars = 80;
constexpr size_t kBoxContentChars = 500;

struct TextBoxValues {
    std::string Header;   // trimmed
    std::string Content;  // as entered
};

struct TextBoxFields {
    std::string Header, Content;
};

TextBoxFields NewTextBoxFields();
TextBoxFields TextBoxFieldsOf(const TextBoxValues& values);
TextBoxValues TextBoxValuesOf(const TagMatch& match);

// No check: the header and the content, and the tag the callers make of them.
CommandAnswer<TextBoxValues> AcceptTextBox(const TextBoxFields& fields);

}  // namespace tavrin
