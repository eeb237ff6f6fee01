#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"

namespace vantry {

// The program's text files: a line ends at CR, and an LF right after that CR
// belongs to the line end; an LF alone is an ordinary character.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// Every line followed by CR LF; no line at all is written as CR LF alone.
std::string JoinTextLines(const std::vector<std::string>& lines);

// Nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(FileSystem& fs, const std::string& path);

// Written through the atomic write, so a failure leaves the old file whole.
bool WriteTextLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

}  // namespace vantry
