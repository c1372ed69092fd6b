#pragma once
// Waiting while a macro plays: blocked in the message pump, and over as soon
// as a message handled meanwhile sets the macro's abort flag.
#include <cstdint>

#include "platform/message_pump.h"

namespace tavrin {

// Waits until the pump's clock reaches deadline; false when abort was set
// first.
inline bool WaitUnlessAborted(MessagePump& pump, uint64_t deadline, const bool& abort) {
    while (!abort && pump.Ticks() < deadline) pump.WaitUntil(deadline);
    return !abort;
}

}  // namespace tavrin
