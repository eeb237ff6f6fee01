#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/text/Paths.h"
#include "core/text/Text.h"

namespace vantry::fakes {

// An in-memory Windows-style file system: "\" separators, names compared without
// regard to case, wildcard listings in listing order.
class FakeFileSystem : public FileSystem {
public:
    void addFile(const std::string& path, const std::string& bytes = {}, std::uint32_t attributes = attr::Archive) {
        addDir(ParentOf(path));
        put(path, attributes, bytes);
    }
    // Creates the directory and every missing parent ("C:" is a drive).
    void addDir(const std::string& path, std::uint32_t attributes = attr::Directory) {
        if (path.empty() || find(path))
            return;
        addDir(ParentOf(path));
        put(path, attributes | attr::Directory, {});
    }
    // Every later write fails (and leaves the files as they were).
    bool failWrites = false;

    std::vector<std::string> list(const std::string& pattern, ListFilter filter) override {
        std::vector<std::string> names;
        const std::string dir = ParentOf(pattern), namePattern = NameOf(pattern);
        if (!isDirectory(dir))
            return names;
        const bool withDirs = filter == ListFilter::WithDirectories;
        // Every directory but a drive's root lists itself and its parent first.
        if (withDirs && dir.find('\\') != std::string::npos)
            for (const char* dots : {".", ".."})
                if (WildcardMatch(namePattern, dots))
                    names.emplace_back(dots);
        for (const auto& [key, e] : entries_) {
            const bool wanted = !(e.attributes & (attr::Hidden | attr::System)) &&
                                (withDirs || !(e.attributes & attr::Directory));
            if (wanted && EqualsIgnoreCase(ParentOf(e.path), dir) && WildcardMatch(namePattern, NameOf(e.path)))
                names.push_back(NameOf(e.path));
        }
        SortListing(names);
        return names;
    }
    std::optional<std::uint32_t> attributes(const std::string& path) override {
        const Entry* e = find(path);
        return e ? std::optional(e->attributes) : std::nullopt;
    }
    std::optional<std::string> readFile(const std::string& path) override {
        const Entry* e = find(path);
        return e && !(e->attributes & attr::Directory) ? std::optional(e->bytes) : std::nullopt;
    }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        const Entry* existing = find(path);
        if (failWrites || !isDirectory(ParentOf(path)) ||
            (existing && (existing->attributes & (attr::Directory | attr::ReadOnly))))
            return false;
        // A replaced file keeps the case of its name and its attributes.
        put(existing ? existing->path : path, existing ? existing->attributes : attr::Archive, bytes);
        return true;
    }
    bool createDirectory(const std::string& path) override {
        if (find(path) || !isDirectory(ParentOf(path)))
            return false;
        put(path, attr::Directory, {});
        return true;
    }
    bool appendFile(const std::string& path, const std::string& bytes) override {
        return writeFile(path, readFile(path).value_or("") + bytes);
    }
    // A code page of 256 characters, U+0000 to U+00FF, where 0x81 stands for
    // a double-byte code page's lead byte without its pair: no text has it.
    std::optional<std::string> decodeAnsi(std::string_view bytes) override {
        std::string text;
        for (const unsigned char b : bytes) {
            if (b == 0x81)
                return std::nullopt;
            if (b < 0x80)
                text += static_cast<char>(b);
            else
                text += {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
        }
        return text;
    }
    std::optional<std::string> encodeAnsi(std::string_view text) override {
        std::string bytes;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto b = static_cast<unsigned char>(text[i]);
            // Past ASCII, only U+0080 to U+00FF (two bytes from 0xC2 or 0xC3) have
            // a place, but for U+0081, which this code page leaves out.
            if (b >= 0x80 && (b < 0xC2 || b > 0xC3 || i + 1 == text.size() || (b == 0xC2 && text[i + 1] == '\x81')))
                return std::nullopt;
            bytes += static_cast<char>(b < 0x80 ? b : (b & 0x1F) << 6 | (text[++i] & 0x3F));
        }
        return bytes;
    }

private:
    struct Entry {
        std::string path;  // as first given
        std::uint32_t attributes;
        std::string bytes;
    };
    static std::string ParentOf(const std::string& path) {
        const auto slash = path.rfind('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    static std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }
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
