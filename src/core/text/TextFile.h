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

// An editor's document: the file's lines with CR LF between them and none
// after the last. Its bytes are the text and one final CR LF, so a file that
// ended with a line end comes back byte for byte.
std::string DocumentText(std::string_view bytes);
inline std::string DocumentBytes(const std::string& text) { return text + "\r\n"; }

// Nothing when the file cannot be read, or holds a NUL byte: every list and
// text box that shows a line ends it there, and a save would write back the
// lines cut short.
std::optional<std::vector<std::string>> ReadTextLines(FileSystem& fs, const std::string& path);

// Written through the atomic write, so a failure leaves the old file whole.
bool WriteTextLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

}  // namespace vantry
