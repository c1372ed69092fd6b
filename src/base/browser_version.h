#pragma once
// Whether the shell's automation object can be used: it came with Internet
// Explorer 4, whose "Version" value the registry holds.
#include <string>

namespace tavrin {

// The number before the first "." of the version is greater than 3; an
// empty or unreadable version is not.
bool ShellAutomationUsable(const std::string& version);

}  // namespace tavrin
