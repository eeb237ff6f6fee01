#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantry::win {

// The one place where the core's UTF-8 meets the system's UTF-16. Every text
// that goes to or comes from Windows passes through these two, so nothing is
// ever forced through the ANSI code page on its way.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// File text in the ANSI code page: nothing where the bytes would not come
// back the same, or a character has no place in the code page.
std::optional<std::wstring> FromAnsi(std::string_view bytes);
std::optional<std::string> ToAnsi(std::wstring_view text);

// A path as the file functions take it: relative and short paths as given,
// and a path too long for the plain form made absolute and prefixed "\\?\"
// (or "\\?\UNC\"), so the system's whole limit of 32,767 characters counts.
// The prefix stays inside the platform layer; the user never sees it.
std::wstring SystemPath(const std::string& utf8Path);

}  // namespace vantry::win
