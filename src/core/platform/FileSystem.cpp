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

}  // namespace vantry
