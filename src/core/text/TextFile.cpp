#include "core/text/TextFile.h"

namespace vantry {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    if (lines.empty())
        return "\r\n";
    std::string out;
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string DocumentText(std::string_view bytes) {
    const auto lines = SplitTextLines(bytes);
    std::string text;
    text.reserve(bytes.size() + lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::optional<std::vector<std::string>> ReadTextLines(FileSystem& fs, const std::string& path) {
    const auto bytes = fs.readFile(path);
    if (!bytes || bytes->find('\0') != std::string::npos)
        return std::nullopt;
    return SplitTextLines(*bytes);
}

bool WriteTextLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines) {
    return fs.writeFileAtomic(path, JoinTextLines(lines));
}

}  // namespace vantry
