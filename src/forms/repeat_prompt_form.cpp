#include "forms/repeat_prompt_form.h"

#include "forms/number_text.h"
#include "language/ansi_text.h"

namespace tavrin {

RepeatCheck CheckRepeatCount(const std::string& text) {
    RepeatCheck check;
    long long count = 0;
    if (!ParseDigits(Trim(text), count) || count < 1 || count > UINT16_MAX) {
        check.Ok = false;
        check.Title = "Error";
        check.Message = "Invalid numeric value entered.  Please Correct";
        return check;
    }
    check.Count = static_cast<uint16_t>(count);
    return check;
}

}  // namespace tavrin
