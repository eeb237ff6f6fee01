#include "platform/FileDialogs.h"

#include <algorithm>

#include "text/Text.h"

namespace vantry {

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
