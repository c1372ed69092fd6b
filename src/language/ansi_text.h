#pragma once
// Small helpers for 8-bit ANSI text: names and titles are compared in upper
// case, and fields are trimmed of spaces.
#include <string>

namespace tavrin {

std::string UpperCase(std::string s);
// s without its leading and trailing spaces.
std::string Trim(const std::string& s);
inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace tavrin
