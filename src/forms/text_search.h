#pragma once
// Find and replace in an editor's text, as "&Find", "F&ind Again" and
// "&Search and Replace" do it: case-insensitive, left to right.
#include <cstddef>
#include <string>

namespace tavrin {

// Where the next match of what stands from position from on; npos when
// there is none.
size_t FindNoCase(const std::string& text, const std::string& what, size_t from);
// Replaces every match, left to right, by with as typed; the count.
int ReplaceNoCase(std::string& text, const std::string& what, const std::string& with);

// "TEXT" was not found. / "TEXT" was replaced N times.
std::string NotFoundMessage(const std::string& what);
std::string ReplacedMessage(const std::string& what, int count);

}  // namespace tavrin
