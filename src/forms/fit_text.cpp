#include "forms/fit_text.h"

namespace tavrin {

std::string FitText(std::string text, int maxWidth,
                    const std::function<int(const std::string&)>& widthOf) {
    while (!text.empty() && widthOf(text) > maxWidth) text.pop_back();
    return text;
}

}  // namespace tavrin
