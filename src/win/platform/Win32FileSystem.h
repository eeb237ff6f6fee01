#pragma once

#include <future>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/FileSystem.h"

namespace vantry::win {

class Win32FileSystem : public FileSystem {
public:
    // Starts listing, on a thread of its own, what list() is about to be asked
    // for, so that a long folder is read while the window is being built; the
    // first list() of the same pattern and filter takes the result.
    void listAhead(const std::string& pattern, ListFilter filter);
    std::vector<std::string> list(const std::string& pattern, ListFilter filter) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    bool createDirectory(const std::string& path) override;
    bool appendFile(const std::string& path, const std::string& bytes) override;
    std::optional<std::string> decodeAnsi(std::string_view bytes) override;
    std::optional<std::string> encodeAnsi(std::string_view text) override;

private:
    struct Ahead {
        std::string pattern;
        ListFilter filter;
        std::future<std::vector<std::string>> names;
    };
    std::optional<Ahead> ahead_;
};

}  // namespace vantry::win
