#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The fuzzer's bytes as text, and a way to split them into parts.
struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest(reinterpret_cast<const char*>(data), size) {}

    // The text up to the next NUL byte (or the end), which is then skipped.
    std::string part() {
        const auto end = rest.find('\0');
        std::string piece(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return piece;
    }
    std::size_t number() {
        std::size_t value = 0;
        for (int i = 0; i < 2 && !rest.empty(); ++i, rest.remove_prefix(1))
            value = value * 256 + static_cast<unsigned char>(rest.front());
        return value;
    }

    std::string_view rest;
};

// A broken property stops the run where a fuzzer sees it.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            __builtin_trap(); \
    } while (false)
