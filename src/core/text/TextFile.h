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

// How a text file was stored. Files have always been written in the ANSI
// code page; one that is valid UTF-8 and holds a byte above 0x7F was written
// as UTF-8 by some other editor, and is written back the same way.
enum class FileEncoding { Ansi, Utf8, Utf8WithMark };

// A file's text as UTF-8, with the encoding that gives its bytes back.
struct FileText {
    std::string text;
    FileEncoding encoding = FileEncoding::Ansi;
};

// Nothing when the bytes could not be shown and written back whole: a NUL
// byte (every list and text box ends its line there, and UTF-16 is full of
// them), a UTF-16 byte-order mark, or code-page bytes that would not come back
// the same.
std::optional<FileText> DecodeFileText(FileSystem& fs, std::string_view bytes);
// The text in that encoding; nothing when a character has no place in it.
std::optional<std::string> EncodeFileText(FileSystem& fs, std::string_view text, FileEncoding encoding);

// The lines of a catalogue file or a map cycle; nothing when it cannot be
// read (above).
std::optional<std::vector<std::string>> ReadTextLines(FileSystem& fs, const std::string& path);

// Saved through FileSystem::writeFile, so a failure leaves the old file
// whole; in the ANSI code page where every character has its place there,
// else in UTF-8 without a byte-order mark.
bool WriteTextLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

}  // namespace vantry
