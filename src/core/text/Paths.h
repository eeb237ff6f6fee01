#pragma once

#include <string>
#include <vector>

#include "core/platform/FileSystem.h"

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

// Listing order: names compared by their upper-case form, byte by byte, the way
// NTFS orders a directory. Every FileSystem returns its listings in this order so
// that "the order of the directory listing" means the same thing everywhere.
void SortListing(std::vector<std::string>& names);

// Whether a name matches a pattern of "*" and "?", without regard to case. "*.*"
// matches every name, with or without a dot, as it does in a directory listing.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The platform's filter form: every "|" becomes a NUL, with one added at the end
// when the list lacks its final "|".
std::string ToDialogFilter(const std::string& filterList);

// The text of a dialog's file buffer up to its terminator, without leading and
// trailing spaces.
std::string DialogResultText(const char* buffer, std::size_t size);

}  // namespace vantry
