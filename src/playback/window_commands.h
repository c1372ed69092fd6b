#pragma once
// Finding, activating and starting windows and programs, and the window
// tags of a macro.
#include <string>

#include "language/tag_recogniser.h"
#include "platform/desktop.h"
#include "platform/message_pump.h"
#include "platform/playback_ui.h"

namespace tavrin {

class WindowCommands {
public:
    // Seconds a launch waits for its window.
    static constexpr int kLaunchWaitSeconds = 12;

    WindowCommands(Desktop& desktop, MessagePump& pump, PlaybackUi& ui)
        : desktop_(desktop), pump_(pump), ui_(ui) {}

    // The exact title first, then the first window in the system's order
    // whose title contains it, ignoring case; 0 when none.
    WindowId GetWinHandle(const std::string& title);
    // Finds, restores and brings the window to the front; it becomes the
    // target window.
    bool ActivateIt(const std::string& title);
    // The first titled window of the first running program whose module name
    // contains program (given in capitals).
    bool ActivateProg(const std::string& program);

    // The window that was in front when the macro started, or the one a
    // command activated since.
    WindowId Target() const { return target_; }
    void SetTarget(WindowId w) { target_ = w; }

    // Plays a tag of CommandGroup::Window; false, having done nothing, for a
    // tag of another group. abort is the macro's abort flag: a launch stops
    // waiting when it is set. endMacro is set when a failure ends the whole
    // macro.
    bool PlayTag(const TagMatch& tag, const bool& abort, bool& endMacro);

private:
    WindowId Find(const TagFields& f);
    // False when the launch failed and ends the macro.
    bool Launch(const std::string& program, const std::string& parameters, bool wait,
                const std::string& waitTitle, int delaySeconds, const bool& abort);
    bool WaitForWindow(const std::string& title, int seconds, const bool& abort);
    void WindowNotFound(const std::string& caption, const std::string& title);

    Desktop& desktop_;
    MessagePump& pump_;
    PlaybackUi& ui_;
    WindowId target_ = 0;
};

// The reason a launch failed, from its result code.
std::string LaunchFailureReason(int code);

}  // namespace tavrin
