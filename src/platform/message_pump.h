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
    // Blocks until a message arrives or the clock reaches deadline, whichever
    // comes first, then handles every pending message; never busy-waits. It
    // returns early when a message came: a caller that must wait to the
    // deadline loops, and between two calls can see what the messages
    // changed (the user's abort, say).
    virtual void WaitUntil(uint64_t deadline) = 0;
};

}  // namespace tavrin
