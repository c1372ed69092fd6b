#pragma once
// "Search and Replace" and "Find": the text to find and, unless only
// finding, the text to put in its place. Accepted only with something to
// find.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

constexpr size_t kSearchChars = 255;

struct SearchValues {
    std::string Find;
    std::string Replace;
};

struct SearchFields {
    bool FindOnly = false;  // "Find": the replacement field is disabled
    std::string Find;
    std::string Replace;
};

// find: the text the field shows at first (the last one searched for).
SearchFields NewSearchFields(bool findOnly, const std::string& find);
// The result text is the text to find, empty when there is none (nothing
// is entered then); the values hold both texts trimmed.
CommandAnswer<SearchValues> AcceptSearch(const SearchFields& fields);

}  // namespace tavrin
