#include "forms/number_text.h"

#include <charconv>
#include <system_error>

namespace tavrin {

bool ParseDigits(const std::string& text, long long& value) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace tavrin
