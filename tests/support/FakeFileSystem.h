#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/platform/FileSystem.h"

namespace vantry::fakes {

// An in-memory Windows-style file system: "\" separators, names compared without
// regard to case, wildcard listings in listing order.
class FakeFileSystem : public FileSystem {
public:
    void addFile(const std::string& path, const std::string& bytes = {},
                 std::uint32_t attributes = attr::Archive);
    // Creates the directory and every missing parent ("C:" is a drive).
    void addDir(const std::string& path, std::uint32_t attributes = attr::Directory);
    void remove(const std::string& path);
    std::optional<std::string> bytes(const std::string& path) const;

    // Every later atomic write fails (and leaves the files as they were).
    bool failWrites = false;
    int writeCount = 0;

    std::vector<std::string> list(const std::string& pattern, ListFilter filter) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFileAtomic(const std::string& path, const std::string& bytes) override;
    bool createDirectory(const std::string& path) override;

private:
    struct Entry {
        std::string path;  // as first given
        std::uint32_t attributes;
        std::string bytes;
    };
    const Entry* find(const std::string& path) const;
    bool isDirectory(const std::string& path) const;

    std::map<std::string, Entry> entries_;  // keyed by the upper-case path
};

}  // namespace vantry::fakes
