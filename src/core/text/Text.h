#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// Removes leading and trailing spaces only; tabs and other blanks are text.
std::string TrimSpaces(std::string_view text);

// Case changes of the ASCII letters; other bytes stay as they are.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Every piece between separators, empty pieces included: "a|b|" gives a, b and "".
// The empty text gives no piece at all.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// A number written in decimal with an optional sign and surrounding spaces and
// nothing else: a whole number for long, a finite one with "." as separator,
// whatever the locale, for float and double.
template <typename Number>
std::optional<Number> ParseNumber(std::string_view text);
// The shortest plain decimal text (no exponent) that reads back as the same
// number, with "." as separator.
std::string FormatSingle(float value);

}  // namespace vantry
