#include "forms/grid_search.h"

#include "language/ansi_text.h"

namespace tavrin {

namespace {
constexpr size_t kMaxSearchChars = 255;
}

int GridSearch::Typed(char c, const std::vector<std::string>& upperTexts) {
    switch (c) {
        case '\t': case '\n': case '\r': case 27: text_.clear(); break;
        case '\b':
            if (!text_.empty()) text_.pop_back();
            break;
        default:
            if (text_.size() < kMaxSearchChars) text_ += UpperCase(std::string(1, c));
    }
    if (text_.empty()) return 0;
    for (size_t r = 0; r < upperTexts.size(); ++r) {
        if (upperTexts[r].compare(0, text_.size(), text_) == 0) return static_cast<int>(r) + 1;
    }
    return 0;
}

}  // namespace tavrin
