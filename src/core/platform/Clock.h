#pragma once

#include <cstdint>

namespace vantry {

// The wall clock's local time, with the offset from UTC it is in.
struct LocalTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int offsetMinutes = 0;  // east of UTC positive: +60 for UTC+01:00
};

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds from an arbitrary start; never goes back, whatever the wall clock does.
    virtual std::int64_t steadyMilliseconds() = 0;
    virtual LocalTime localNow() = 0;
};

}  // namespace vantry
