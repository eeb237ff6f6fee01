#include "catalogue/Paths.h"

#include <vector>

#include "text/Text.h"

namespace vantry {

bool FileExists(FileSystem& fs, const std::string& path) {
    if (path.empty())
        return false;
    const auto names = fs.list(path, ListFilter::NormalFiles);
    if (names.empty())
        return false;
    return ToUpperAscii(names.front()) == ToUpperAscii(FileNameOf(path));
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SplitPath(const std::string& path) {
    std::string prefix;
    std::string rest = path;
    if (rest.rfind("\\\\", 0) == 0) {
        prefix = "\\\\";
        rest.erase(0, 2);
    }
    std::vector<std::string> taken;
    for (auto& piece : SplitAt(rest, '\\')) {
        if (TrimSpaces(piece).empty())
            break;
        taken.push_back(std::move(piece));
    }
    if (taken.empty())
        return {};
    // A single piece is both the directory and the file name (a bare "hlds.exe").
    std::string directory = prefix + taken.front() + "\\";
    for (std::size_t k = 1; k + 1 < taken.size(); ++k)
        directory += taken[k] + "\\";
    return directory + "|" + taken.back() + "|";
}

}  // namespace vantry
