#pragma once
// The program's command-line options and the second copy's hand-over.
#include <cstddef>
#include <string>
#include <vector>

#include "language/ansi_text.h"
#include "store/settings.h"

namespace tavrin {

// The program's file in its folder, which the command line starts.
inline constexpr char kProgramFile[] = "QORVIL.EXE";

// What the options ask of this run beyond the settings they change.
struct StartOptions {
    bool hideOnFirstPaint = false;  // "/HIDE"
    bool browseMode = false;        // "/B"
    bool browseAllMode = false;     // "/BA"
    bool nicknamePresent = false;   // "/A"
    bool networkModeRequested = false;  // "/N": derive and read the sync file
    std::string openFile;           // "/F" path, upper case as examined
};

// The program body's look at the arguments, exactly as typed: "/S" puts
// the program in the tray, "/H" hides it, for this run.
void ApplyBodyOptions(const std::vector<std::string>& args, Settings& s);

// One argument, examined in upper case. Options are compared whole; "/SM",
// "/F" and "/A" take the rest of the argument.
void ProcessParam(const std::string& arg, Settings& s, StartOptions& o);

// The text after the first "/A" of a command line, in upper case, up to the
// next "/" or the end, trimmed of spaces and cut to maxChars. Empty when
// there is no "/A".
std::string NicknameAfterA(const std::string& commandLine, size_t maxChars);
constexpr size_t kStartupNicknameChars = 50;
constexpr size_t kPendingNicknameChars = 255;

// The running copy's side of the hand-over: one character per message, then
// a 0 that ends the request.
class StartupRequest {
public:
    enum class Outcome { Collecting, BringForward, RunNickname };

    // Takes one message's character; returns what the finished request asks.
    Outcome Take(int character);
    // The nickname to run after RunNickname; emptied by Clear.
    const std::string& Nickname() const { return buffer_; }
    void Clear() { buffer_.clear(); }

private:
    std::string buffer_;
};

}  // namespace tavrin
