#pragma once

#include "core/platform/FileSystem.h"

namespace vantry::win {

class Win32FileSystem : public FileSystem {
public:
    std::vector<std::string> list(const std::string& pattern, ListFilter filter) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    bool createDirectory(const std::string& path) override;
    bool appendFile(const std::string& path, const std::string& bytes) override;
    std::optional<std::string> decodeAnsi(std::string_view bytes) override;
    std::optional<std::string> encodeAnsi(std::string_view text) override;
};

}  // namespace vantry::win
