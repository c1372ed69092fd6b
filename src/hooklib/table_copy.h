#pragma once
// The library's own copy of the macro table. The program's thread publishes
// sections into it and the hook thread reads it, so every access holds the
// lock, briefly.
#include <windows.h>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "base/macro_table.h"
#include "capture/capture_setup.h"
#include "hooklib/critical_section.h"
#include "triggers/hook_decision.h"

namespace tavrin {

struct TableSpan {
    size_t offset;
    size_t size;
};

// The capture fields, read together.
struct CaptureView {
    bool on = false;  // CaptureOn
    CaptureSetup setup;
    WindowId to = 0;  // where the capture messages go
    uint32_t setups = 0;  // the number of ZynUpCapture calls so far
};

class TableCopy {
public:
    // Copies the spans of a whole table handed over by the program.
    void Copy(const uint8_t* table, std::initializer_list<TableSpan> spans);
    HookView View() const;
    CaptureView Capture() const;
    // ZynUpCapture has set up a new capture.
    void CountCaptureSetup();
    // Clears a one-byte flag; true when it was set.
    bool TakeFlag(size_t offset);

private:
    mutable CriticalSection lock_;
    MacroTable table_;
    std::bitset<kHotKeyCodes> hotKeyUsed_;
    uint32_t captureSetups_ = 0;  // the table's HotKeyUsed, kept for View
};

}  // namespace tavrin
