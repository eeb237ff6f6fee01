#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// Attribute bits as the platform reports them.
namespace attr {
inline constexpr std::uint32_t ReadOnly = 0x01;
inline constexpr std::uint32_t Hidden = 0x02;
inline constexpr std::uint32_t System = 0x04;
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
}  // namespace attr

enum class ListFilter {
    // Files that are neither directories, hidden nor system; read-only and archive count.
    NormalFiles,
    // The same files plus directories ("." and ".." too); hidden and system entries still stay out.
    WithDirectories,
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Names (without directory) of the entries that match the pattern, which may
    // hold "*" and "?" in its last component, in listing order. Empty when nothing
    // matches or the listing fails.
    virtual std::vector<std::string> list(const std::string& pattern, ListFilter filter) = 0;

    // The attribute bits of a path, or nothing when it does not exist.
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;

    // The whole file as bytes, or nothing when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;

    // Saves the bytes as the file; false when it could not, and then the file
    // is as it was before.
    //
    // A file that is there stays the same file: the bytes go into it through
    // its own handle, so its links (a symbolic link still points at the same
    // file, every hard link sees the new bytes), owner, access list or mode
    // and attributes stay as they are. Before it is touched, its old bytes
    // are written in full to a safety copy beside it, with a short name of
    // its own ("~vantry-XXXX.tmp"), and the copy is deleted once the file
    // holds the new bytes, or the old ones again after a failed write. A
    // read-only file, a directory, or a file another program holds open
    // without sharing its writing is refused untouched.
    //
    // A file that is not there yet is written beside its place under such a
    // name and renamed into it only once complete; it never replaces a file
    // that appeared in the meantime.
    //
    // A program killed during a save leaves the file with the old bytes or
    // the new ones whole, or part-written with the safety copy holding the old
    // bytes whole; nothing else stays beside it but, at most, that copy.
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;

    virtual bool createDirectory(const std::string& path) = 0;

    // Adds the bytes at the file's end, making the file where there is none.
    // Other programs may read the file meanwhile; each append lands whole.
    virtual bool appendFile(const std::string& path, const std::string& bytes) = 0;

    // File text in the system's ANSI code page, the form files have always
    // been written in: its bytes as UTF-8, or nothing when they would not
    // come back the same (a double-byte code page's broken pair).
    virtual std::optional<std::string> decodeAnsi(std::string_view bytes) = 0;
    // UTF-8 text in the ANSI code page; nothing when a character has no place there.
    virtual std::optional<std::string> encodeAnsi(std::string_view text) = 0;
};

}  // namespace vantry
