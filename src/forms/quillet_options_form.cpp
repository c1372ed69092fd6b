#include "forms/quillet_options_form.h"

#include "language/ansi_text.h"
#include "triggers/quillets.h"

namespace tavrin {

std::string QuilletOptionsForm::PrefixKeysError() const {
    for (char c : Trim(PrefixKeys)) {
        if (!IsQuilletCharacter(c))
            return "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, "
                   "a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
    }
    return "";
}

void QuilletOptionsForm::OkButtonClick(Settings& s) const {
    s.UseSuffix = !UsePrefixKeys;
    s.CaseSensitive = CaseSensitive;
    s.SolitaryUsage = SolitaryUsage;
    s.PrefixKeys = Trim(PrefixKeys).substr(0, 2);
}

}  // namespace tavrin
