#include "forms/text_search.h"

#include <cctype>

namespace tavrin {
namespace {

bool SameNoCase(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

size_t FindNoCase(const std::string& text, const std::string& what, size_t from) {
    if (what.empty() || from > text.size() || text.size() - from < what.size())
        return std::string::npos;
    for (size_t at = from; at + what.size() <= text.size(); ++at) {
        size_t k = 0;
        while (k < what.size() && SameNoCase(text[at + k], what[k])) ++k;
        if (k == what.size()) return at;
    }
    return std::string::npos;
}

int ReplaceNoCase(std::string& text, const std::string& what, const std::string& with) {
    int count = 0;
    for (size_t at = FindNoCase(text, what, 0); at != std::string::npos;
         at = FindNoCase(text, what, at + with.size())) {
        text.replace(at, what.size(), with);
        ++count;
    }
    return count;
}

std::string NotFoundMessage(const std::string& what) { return "\"" + what + "\" was not found."; }

std::string ReplacedMessage(const std::string& what, int count) {
    return "\"" + what + "\" was replaced " + std::to_string(count) + " times.";
}

}  // namespace tavrin
