#pragma once
// Writing tags in the one form every reader of macro text expects. Dialogs,
// capture, the script model and the wizards all write through here.
#include <string>

#include "language/tag_fields.h"
#include "language/tag_kind.h"

namespace tavrin {

// The characters of a tag from its field values (slots as noted at TagKind):
// numbers zero-filled to their width, signed coordinates as five digits or
// "-" and four, reals with two decimals in five characters ("01.50"),
// separators and the closing ">" as listed in the table, window titles
// trimmed of spaces unless CurrentWindow writes the marker, date tags always
// in their long form. A value too large for its field is written as the
// nearest value that fits, so every written tag reads back as the same kind.
// Returns an empty string for a kind and index that name no tag.
std::string WriteTag(TagKind kind, int index, const TagFields& fields);

inline std::string WriteTag(TagKind kind, const TagFields& fields = {}) {
    return WriteTag(kind, 0, fields);
}

}  // namespace tavrin
