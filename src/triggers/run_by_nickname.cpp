#include "triggers/run_by_nickname.h"

#include "language/ansi_text.h"

namespace tavrin {

int FindMacroByNickname(const MacroStore& store, const std::string& upperNickname) {
    for (int n = 1; n <= store.MacroCount(); ++n) {
        if (UpperCase(store.NicknameOf(n)) == upperNickname) return n;
    }
    return 0;
}

}  // namespace tavrin
