#include "base/browser_version.h"

namespace tavrin {

bool ShellAutomationUsable(const std::string& version) {
    int major = 0;
    size_t digits = 0;
    for (char c : version) {
        if (c < '0' || c > '9') break;
        if (major < 1000) major = major * 10 + (c - '0');
        ++digits;
    }
    return digits > 0 && major > 3;
}

}  // namespace tavrin
