#pragma once
#include "platform/clock.h"

namespace tavrin {

class Win32Clock : public Clock {
public:
    LocalDateTime Now() override;
};

}  // namespace tavrin
