#pragma once

#include <cstdint>

namespace vantry {

// Colours as Windows colour values (0x00BBGGRR).
namespace colour {
inline constexpr std::uint32_t Orange = 0x0067F0;     // text, labels, lines; the active title
inline constexpr std::uint32_t DimOrange = 0x004BAA;  // the title while another window is active
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t LinkBlue = 0xFF0000;
}  // namespace colour

}  // namespace vantry
