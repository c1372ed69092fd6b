#include "playback/repeat_block.h"

namespace tavrin {

namespace {

bool At(const std::string& text, size_t pos, const char* head) {
    return text.compare(pos, std::char_traits<char>::length(head), head) == 0;
}

}  // namespace

size_t FindEndRepeat(const std::string& text, size_t from) {
    int depth = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] != '<') continue;
        if (At(text, i, "<REP:") || At(text, i, "<REPEAT:") || At(text, i, "<PROMPTREP>")) {
            ++depth;
        } else if (At(text, i, kEndRepeat)) {
            if (depth == 0) return i;
            --depth;
        }
    }
    return std::string::npos;
}

std::string CounterText(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace tavrin
