#pragma once
// A message pump on a virtual clock: waiting moves the clock to the deadline
// at once, so minute-long waits take no time in a test.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/message_pump.h"

namespace tavrin {

class FakePump : public MessagePump {
public:
    uint64_t now = 1000;
    std::vector<uint64_t> waits;  // the length of every WaitUntil
    int processed = 0;
    // Runs on every ProcessMessages: a message arriving while a macro plays.
    std::function<void()> onMessages;

    uint64_t Ticks() override { return now; }
    void ProcessMessages() override {
        ++processed;
        if (onMessages) onMessages();
    }
    void WaitUntil(uint64_t deadline) override {
        waits.push_back(deadline - now);
        now = deadline;
        ProcessMessages();
    }
};

}  // namespace tavrin
