#include "forms/quillet_options_form.h"

#include "triggers/quillets.h"

namespace tavrin {

namespace {

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string QuilletOptionsForm::PrefixKeysError() const {
    for (char c : Trimmed(PrefixKeys)) {
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
    s.PrefixKeys = Trimmed(PrefixKeys).substr(0, 2);
}

}  // namespace tavrin
