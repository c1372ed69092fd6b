#pragma once
// Search by typing in the macro list: the letters typed since the last
// reset pick the first row whose activation text begins with them.
#include <string>
#include <vector>

namespace tavrin {

class GridSearch {
public:
    // A character typed into the list. Tab, line feed, Enter and Esc empty
    // the search text, Backspace takes its last letter off, any other
    // character joins it in upper case. Returns the row (1-based) whose
    // activation text (upperTexts[row - 1], in upper case) is the first to
    // begin with the search text, or 0 when none does or the text is empty.
    int Typed(char c, const std::vector<std::string>& upperTexts);
    // The list gained or lost the focus, or Ctrl, Alt or a navigation key
    // went down.
    void Reset() { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;  // at most 255 characters
};

}  // namespace tavrin
