#pragma once
// The user-interface thread's message pump as playback sees it: pending
// messages are handled between steps, and waits block until the next message
// or the deadline instead of polling.
#include <cstdint>

namespace tavrin {

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Milliseconds of a monotonic clock.
    virtual uint64_t Ticks() = 0;
    // Handles every pending message.
    virtual void ProcessMessages() = 0;
    // Handles messages as they come until the clock reaches deadline; never
    // busy-waits.
    virtual void WaitUntil(uint64_t deadline) = 0;
};

}  // namespace tavrin
