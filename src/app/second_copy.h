#pragma once
#include <string>

namespace tavrin {

// The registered message through which a second copy hands its command
// line to the running one.
unsigned RegisteredStartMessage();

// Sends the command line one character per message, then 0, to every
// top-level window. Hung windows are skipped rather than waited for.
void SendCommandLineToRunningCopy(const std::string& commandLine);

}  // namespace tavrin
