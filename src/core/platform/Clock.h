#pragma once

#include <cstdint>

namespace vantry {

// Time, and the wait during which the program's windows keep running.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds on a clock that only counts up (it does not wrap at midnight).
    virtual std::uint64_t milliseconds() = 0;

    // Handles pending window events; waits for new ones at most maxWaitMs when
    // there are none, so that a wait does not burn the processor. False once
    // the program is ending: there is nothing left to wait for.
    virtual bool processEvents(std::uint64_t maxWaitMs) = 0;
};

}  // namespace vantry
