#include "triggers/run_by_nickname.h"

#include "language/ansi_text.h"

namespace tavrin {

int FindMacroByNickname(const MacroStore& store, const std::string& upperNickname) {
    for (int n = 1; n <= store.MacroCount(); ++n) {
        // Trimmed, as the name asked for is: a command line cannot carry
        // a nickname's outer spaces.
        if (Trim(UpperCase(store.NicknameOf(n))) == upperNickname) return n;
    }
    return 0;
}

}  // namespace tavrin
