#include "core/text/Text.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace vantry {

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ToUpperAscii(a) == ToUpperAscii(b);
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    const std::string trimmed = TrimSpaces(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+')
        ++first;
    Number value{};
    std::from_chars_result read;
    if constexpr (std::is_floating_point_v<Number>)
        read = std::from_chars(first, last, value, std::chars_format::general);
    else
        read = std::from_chars(first, last, value);
    if (read.ec != std::errc() || read.ptr != last || first == last)
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>)
        if (!std::isfinite(value))
            return std::nullopt;
    return value;
}

template std::optional<long> ParseNumber<long>(std::string_view);
template std::optional<float> ParseNumber<float>(std::string_view);
template std::optional<double> ParseNumber<double>(std::string_view);

std::string FormatSingle(float value) {
    // Fixed notation: a stored position of 100000 twips reads "100000", never
    // "1e+05", which other readers of the settings would not take for a number.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace vantry
