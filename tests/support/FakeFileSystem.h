#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/text/Text.h"

namespace vantry::fakes {

// An in-memory Windows-style file system: "\" separators, names compared without
// regard to case, wildcard listings in listing order.
class FakeFileSystem : public FileSystem {
public:
    void addFile(const std::string& path, const std::string& bytes = {},
                 std::uint32_t attributes = attr::Archive);
    // Creates the directory and every missing parent ("C:" is a drive).
    void addDir(const std::string& path, std::uint32_t attributes = attr::Directory);
    std::optional<std::string> bytes(const std::string& path) const {
        const Entry* e = find(path);
        return e && !(e->attributes & attr::Directory) ? std::optional(e->bytes) : std::nullopt;
    }

    // Every later atomic write fails (and leaves the files as they were).
    bool failWrites = false;

    std::vector<std::string> list(const std::string& pattern, ListFilter filter) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override {
        const Entry* e = find(path);
        return e ? std::optional(e->attributes) : std::nullopt;
    }
    std::optional<std::string> readFile(const std::string& path) override { return bytes(path); }
    bool writeFileAtomic(const std::string& path, const std::string& bytes) override;
    bool createDirectory(const std::string& path) override;

private:
    struct Entry {
        std::string path;  // as first given
        std::uint32_t attributes;
        std::string bytes;
    };
    const Entry* find(const std::string& path) const {
        const auto it = entries_.find(ToUpperAscii(path));
        return it == entries_.end() ? nullptr : &it->second;
    }
    bool isDirectory(const std::string& path) const {
        const Entry* e = find(path);
        return e && (e->attributes & attr::Directory);
    }
    void put(const std::string& path, std::uint32_t attributes, const std::string& bytes) {
        entries_[ToUpperAscii(path)] = Entry{path, attributes, bytes};
    }

    std::map<std::string, Entry> entries_;  // keyed by the upper-case path
};

}  // namespace vantry::fakes
