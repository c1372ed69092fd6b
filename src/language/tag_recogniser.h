#pragma once
// Reading a macro text: which tag, if any, stands at a position.
#include <cstddef>
#include <string>

#include "language/tag_fields.h"
#include "language/tag_kind.h"
#include "language/tag_table.h"

namespace tavrin {

struct TagMatch {
    TagKind Kind = TagKind::Literal;
    int Index = 0;                       // position within a family
    const TagPattern* Pattern = nullptr; // the table entry; nullptr for a literal
    size_t Length = 1;                   // characters the tag (or the literal) takes
    TagFields Fields;

    bool IsTag() const { return Kind != TagKind::Literal; }
};

// The tag that starts at text[pos], or a literal character of length 1 (any
// character but a "<" that begins a tag). At or past the end of the text the
// result is a literal of length 0. Never reads past the end of the text, and
// pos + Length never exceeds its size.
//
// A fixed-width tag needs all its characters, and ">" at its end offset. A tag
// with free text ends at the ">" that ends its last field, or, if the text
// runs out first, at the end of the text; the fields not reached are empty.
TagMatch Recognise(const std::string& text, size_t pos);

}  // namespace tavrin
