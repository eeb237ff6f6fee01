#pragma once

#include <chrono>
#include <functional>

// How long one step takes, in milliseconds of the steady clock.
inline double Milliseconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
