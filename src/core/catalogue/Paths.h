#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace vantry {

// True when the path names an existing normal file (not a directory, hidden or
// system file). Names compare without regard to case; any failure is false.
bool FileExists(FileSystem& fs, const std::string& path);

// The text after the last "\" ("/" is an ordinary character).
std::string FileNameOf(const std::string& path);

// "directory\|file|": the directory keeps its trailing "\". Splitting stops at
// the first blank piece, so a doubled backslash cuts the path short. A path that
// starts with "\\" keeps that prefix, so a server on a network share can be
// chosen. A text with no usable piece gives the empty text: no choice.
std::string SplitPath(const std::string& path);

}  // namespace vantry
