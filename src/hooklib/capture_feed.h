#pragma once
// Recording on the hook thread: while CaptureOn is set, the user's keys and
// mouse go to a CaptureRecorder and its text is posted to the program one
// character at a time (kMsgCaptureText); a stop key posts kMsgCaptureEnded
// and is kept from the text and from the programs behind the hook. Every
// call decides, posts and returns.
#include <windows.h>

#include <bitset>
#include <memory>

#include "capture/capture_recorder.h"
#include "hooklib/table_copy.h"
#include "triggers/hook_decision.h"

namespace tavrin {

class CaptureFeed {
public:
    explicit CaptureFeed(TableCopy& table) : table_(table) {}

    // Before the hooks' own decision: true when the event is a stop key (or
    // the release of one) and is to be swallowed.
    bool StopsOnKey(const KBDLLHOOKSTRUCT& key, bool down, const KeyModifiers& m);
    bool StopsOnMouse(WPARAM message, const KeyModifiers& m);
    // After it: the event is recorded, unless the hooks took it as a hot key
    // (swallowed), which never goes into the text.
    void RecordKey(const KBDLLHOOKSTRUCT& key, bool down, bool swallowed, EventContext& context);
    void RecordMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse, bool swallowed);
    // CaptureOn is set.
    bool Recording() const { return table_.Capture().on; }

private:
    // The recorder of the capture CaptureOn names now, started on the first
    // event after it was set; nullptr while nothing records or after a stop.
    CaptureRecorder* Recorder();
    bool IsStop(uint16_t key, uint16_t button, const KeyModifiers& m) const;
    void Stop();
    void Send(const std::string& text);

    TableCopy& table_;
    CaptureView capture_;
    std::unique_ptr<CaptureRecorder> recorder_;
    uint32_t setup_ = 0;    // the capture set-up the recorder records for
    bool stopped_ = false;  // the stop key was pressed; waits for the next capture
    std::bitset<256> swallowedKeys_;
    std::bitset<4> swallowedButtons_;
};

}  // namespace tavrin
