#pragma once
#include "platform/timers.h"

namespace tavrin {

// Timers of the main window: each arrives as WM_TIMER with its id.
class Win32Timers : public Timers {
public:
    void SetOwner(void* window) { owner_ = window; }
    void Start(TimerId id, unsigned milliseconds) override;
    void Stop(TimerId id) override;

private:
    void* owner_ = nullptr;
};

}  // namespace tavrin
