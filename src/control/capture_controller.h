#pragma once
// The program's side of recording a macro: setting up a capture (the macro,
// the options and stop keys handed to the hook library, the capture file),
// writing the characters the library sends into the capture file, and at
// the end moving the text into the macro, or into a file of its own when it
// is too long for one. The windows it opens are reached through CaptureHost.
#include <cstdint>
#include <string>

#include "capture/capture_request.h"
#include "capture/capture_setup.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/hook_library.h"
#include "platform/playback_ui.h"
#include "platform/user_messages.h"
#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

inline constexpr char kCaptureFileName[] = "TempCap.Txt";

// What only the main window can do for a capture.
class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    // The macro file is open in either browse mode.
    virtual bool Browsing() = 0;
    // The second tray icon, "Macro Is Recording".
    virtual void ShowRecordingIcon(bool shown) = 0;
    // The "Capture Complete" dialog on the record of a quick capture, with
    // the program's window shown around it; program: the one in front when
    // the capture ended. The record is changed only by "&Ok".
    virtual void CaptureComplete(MacroRecord& record, const std::string& program) = 0;
    // Shows the main window (restored) and brings it to the front.
    virtual void ShowMainWindow() = 0;
    // Refills the macro list and selects macro n (0: the selection stays).
    virtual void RefreshMacroList(int select) = 0;
};

// The platform parts a capture reaches.
struct CapturePlatform {
    Files& files;
    FileSystem& fileSystem;
    Desktop& desktop;
    HookLibrary& hooks;
    PlaybackUi& ui;
    UserMessages& messages;
    Clock& clock;
};

class CaptureController {
public:
    // Text longer than this goes to a file of its own.
    static constexpr uint64_t kLongestText = 5000;

    CaptureController(const CapturePlatform& platform, MacroStore& store, Settings& settings,
                      CaptureHost& host, std::string programFolder);

    // The hot key of the system macro "2": a new macro recorded at once,
    // named and given its trigger when the capture ends.
    void StartACapture();
    // "Re&capture Macro": why macro n cannot be captured now, or empty.
    std::string RecaptureRefusal(int n) const;
    // Sets up recording macro n again as asked; false, with the error
    // shown, when the capture could not be set up. The recording starts with
    // StartRecording, once the window to record in is in front.
    bool StartCaptureOf(const CaptureRequest& request);
    void StartRecording();
    // Message 0x403: one character of the captured text for macro.
    void OnText(uint32_t macro, uint32_t character);
    // Message 0x404, or the recording tray icon right-clicked: the capture
    // of macro has ended.
    void OnEnded(uint32_t macro);
    // The tray icon's right click: ends the capture that records now.
    void EndFromTray();

    bool Recording() const;
    // The hot key of the system macro "2" ("Start / Stop Capture").
    uint16_t StopHotKey() const {
        uint16_t code = 0;
        SystemStopKey(code);
        return code;
    }
    std::string CaptureFilePath() const { return folder_ + "\\" + kCaptureFileName; }

private:
    // Empties the capture file (creating it) and writes the speed tag when
    // the time is captured; false, with the error shown, when it cannot.
    bool RewriteCaptureFile(const CaptureOptions& options, int speed);
    bool Append(const std::string& text);
    // Hands the library the capture's set-up.
    void Publish(CaptureSetup setup);
    // The capture of macro has ended in program.
    void End(uint32_t macro, const std::string& program);
    // The stop key of the system macro "2".
    StopKey SystemStopKey(uint16_t& code) const;
    // The captured text as the record keeps it: the text itself, or the
    // "<TFILE:" tag of the file it was copied to (overflow names that
    // file). False, with the error shown, when it could not be had.
    bool TakeText(std::string& text, std::string& overflow);
    void IoError(const std::string& text);

    CapturePlatform platform_;
    MacroStore& store_;
    Settings& settings_;
    CaptureHost& host_;
    std::string folder_;
    bool quick_ = false;      // a capture started by the hot key is under way
    bool programScope_ = false;  // the captured macro becomes a Program macro
    bool completing_ = false;  // the end of the capture is being processed
    bool writeFailed_ = false;  // a character could not be written
    std::string frontProgram_;  // in front when the capture began
};

}  // namespace tavrin
