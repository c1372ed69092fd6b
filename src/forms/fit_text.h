#pragma once
// Text cut to fit a cell of the macro list.
#include <functional>
#include <string>

namespace tavrin {

// text cut from its end, one character at a time, until widthOf(text) is at
// most maxWidth; empty when not even one character fits.
std::string FitText(std::string text, int maxWidth,
                    const std::function<int(const std::string&)>& widthOf);

}  // namespace tavrin
