#include "core/text/Paths.h"

#include <algorithm>
#include <vector>

#include "core/text/Text.h"

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

namespace {
bool ListingOrderLess(const std::string& a, const std::string& b) {
    const std::string ua = ToUpperAscii(a);
    const std::string ub = ToUpperAscii(b);
    const auto byteLess = [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    };
    if (ua != ub)
        return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end(), byteLess);
    // Only a case-sensitive file system can hold both; keep their order stable.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byteLess);
}
}  // namespace

void SortListing(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), ListingOrderLess);
}

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool MatchFrom(const std::string& p, std::size_t i, const std::string& n, std::size_t j) {
    while (i < p.size()) {
        if (p[i] == '*') {
            while (i < p.size() && p[i] == '*')
                ++i;
            if (i == p.size())
                return true;
            for (std::size_t k = j; k <= n.size(); ++k)
                if (MatchFrom(p, i, n, k))
                    return true;
            return false;
        }
        if (j >= n.size() || (p[i] != '?' && Upper(p[i]) != Upper(n[j])))
            return false;
        // "?" stands for one character, however many bytes of UTF-8 it takes.
        if (p[i] == '?')
            while (j + 1 < n.size() && (static_cast<unsigned char>(n[j + 1]) & 0xC0) == 0x80)
                ++j;
        ++i;
        ++j;
    }
    return j == n.size();
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*")
        return true;
    return MatchFrom(pattern, 0, name, 0);
}

std::string ToDialogFilter(const std::string& filterList) {
    std::string filter = filterList;
    if (filter.empty() || filter.back() != '|')
        filter += '|';
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}

std::string DialogResultText(const char* buffer, std::size_t size) {
    const char* end = std::find(buffer, buffer + size, '\0');
    return TrimSpaces(std::string(buffer, end));
}

}  // namespace vantry
