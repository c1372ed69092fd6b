#pragma once
// A message pump on a virtual clock: waiting moves the clock to the deadline
// at once, so minute-long waits take no time in a test. A message scheduled
// for a moment before the deadline ends the wait at that moment, as a real
// message wakes the real pump. With a least step, every wait moves the clock
// at least that far, as a busy machine wakes late: a wait that polls then
// reaches its time-out in a few polls.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/message_pump.h"

namespace tavrin {

class FakePump : public MessagePump {
public:
    uint64_t now = 1000;
    uint64_t leastStep = 0;  // milliseconds every WaitUntil moves the clock at least
    std::vector<uint64_t> waits;  // the length asked of every WaitUntil
    int processed = 0;
    // Runs on every ProcessMessages: a message arriving while a macro plays.
    std::function<void()> onMessages;

    // A message that arrives when the clock reaches time.
    void At(uint64_t time, std::function<void()> message) {
        scheduled_.emplace(time, std::move(message));
    }

    uint64_t Ticks() override { return now; }
    void ProcessMessages() override {
        ++processed;
        while (!scheduled_.empty() && scheduled_.begin()->first <= now) {
            const std::function<void()> message = scheduled_.begin()->second;
            scheduled_.erase(scheduled_.begin());
            message();
        }
        if (onMessages) onMessages();
    }
    void WaitUntil(uint64_t deadline) override {
        waits.push_back(deadline - now);
        const uint64_t wake =
            scheduled_.empty() ? deadline : std::min(deadline, scheduled_.begin()->first);
        now = std::max(now + leastStep, std::max(now, wake));
        ProcessMessages();
    }

private:
    std::multimap<uint64_t, std::function<void()>> scheduled_;
};

}  // namespace tavrin
