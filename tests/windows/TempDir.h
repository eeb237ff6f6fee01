#pragma once

#include <optional>
#include <string>

namespace vantry::testutil {

// A fresh directory under the user's temp folder, removed with everything in it
// (read-only and hidden files too) when the test ends.
class TempDir {
public:
    // Under the given folder instead, if given; with a length, its name is
    // drawn out until the whole path has that many UTF-16 characters.
    explicit TempDir(const std::string& base = {}, std::size_t length = 0);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, without a trailing backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Writes bytes to a file directly through the platform, for setting up tests.
// Paths are UTF-8, of any length.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool MakeDirectory(const std::string& path);

// A command of the Unix shell, run in the folder, for what no Windows call
// of Wine's sets up or shows: a symbolic link (CreateSymbolicLinkW says yes
// and makes nothing), a file's mode. Wine cannot wait for a Unix program, so
// the command's output is awaited as a file that the shell renames into
// place when it is done. Nothing where there is no Unix shell or no output
// came. The command holds no double quote.
std::optional<std::string> UnixShell(const std::string& dir, const std::string& command);

// The user's temp folder, without a trailing backslash.
std::string TempFolder();

// The folder that holds the test program and HLDS Vantry.exe.
std::string BinDir();

}  // namespace vantry::testutil
