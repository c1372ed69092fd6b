#pragma once
// The program's help file, in the program folder, opened by "&Contents" and
// by the "&Help" of the dialogs, and what the user is told when it is not
// there.
namespace tavrin {

constexpr const char* kHelpFile = "KORRINDA.HLP";
constexpr const char* kHelpFileMissing =
    "The help file KORRINDA.HLP could not be located.  Please make sure that it was installed.";

}  // namespace tavrin
