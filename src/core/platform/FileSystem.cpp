#include "platform/FileSystem.h"

#include <algorithm>

#include "text/Text.h"

namespace vantry {

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

}  // namespace vantry
