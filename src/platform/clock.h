#pragma once
// Local date and time.
#include "base/day_number.h"

namespace tavrin {

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() = 0;
};

}  // namespace tavrin
