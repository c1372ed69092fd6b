#pragma once
#include "platform/message_pump.h"

namespace tavrin {

// The user-interface thread's own messages, handled while a macro plays.
class Win32MessagePump : public MessagePump {
public:
    uint64_t Ticks() override;
    void ProcessMessages() override;
    void WaitUntil(uint64_t deadline) override;
};

}  // namespace tavrin
