#pragma once
// The Mouse Locator, a program of its own in the program folder, started by
// the main window's menu and by "Mouse Commands", and what the user is told
// when it is not there.
namespace tavrin {

constexpr const char* kMouseLocatorFile = "CURSFIND.EXE";
constexpr const char* kMouseLocatorParameters = "JQV";
constexpr const char* kMouseLocatorMissing =
    "The Mouse Locator CURSFIND.EXE could not be located.  Please make sure that it was "
    "installed.";

}  // namespace tavrin
