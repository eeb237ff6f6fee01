#pragma once

#include "core/platform/Clock.h"

namespace vantry::win {

class Win32Clock : public Clock {
public:
    std::int64_t steadyMilliseconds() override;
    LocalTime localNow() override;
};

}  // namespace vantry::win
