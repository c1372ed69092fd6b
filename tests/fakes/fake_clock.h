#pragma once
#include "platform/clock.h"

namespace tavrin {

// A clock that says whatever the test sets.
class FakeClock : public Clock {
public:
    LocalDateTime now{2026, 12, 9, 13, 30, 0, 0};
    LocalDateTime Now() override { return now; }
};

}  // namespace tavrin
