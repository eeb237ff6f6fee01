#include "win/ui/ListFill.h"

#include <algorithm>
#include <numeric>

#include "win/platform/WideText.h"

namespace vantry::win {

void FillList(HWND control, const ListMessages& messages, const std::vector<std::string>& texts) {
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    SendMessageW(control, messages.reset, 0, 0);
    std::size_t bytes = 0;
    for (const auto& text : texts)
        bytes += (text.size() + 1) * sizeof(wchar_t);
    SendMessageW(control, messages.initStorage, texts.size(), bytes);
    // Straight to the system's own procedure: our subclass looks its object up
    // on every message, a round trip to the window server that ten thousand
    // rows pay ten thousand times, and it has nothing to add to an insert.
    const auto system = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
    for (const auto& text : texts)
        CallWindowProcW(system, control, messages.insert, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(Widen(text).c_str()));
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
}

std::vector<std::string> SortedAsListBox(HWND listBox, const std::vector<std::string>& texts) {
    const auto locale = static_cast<LCID>(SendMessageW(listBox, LB_GETLOCALE, 0, 0));
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const auto& text : texts) {
        const std::wstring wide = Widen(text);
        const int size = LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, wide.c_str(), -1, nullptr, 0);
        std::string key(static_cast<std::size_t>(std::max(size, 0)), '\0');
        LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, wide.c_str(), -1, reinterpret_cast<LPWSTR>(key.data()),
                     size);
        keys.push_back(std::move(key));
    }
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    const bool ties = std::adjacent_find(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                          return keys[a] == keys[b];
                      }) != order.end();
    if (ties) {
        // Where rows compare equal, which one the search meets first decides
        // their order: replay the searches. Only lists with such rows pay.
        order.clear();
        for (std::size_t row = 0; row < texts.size(); ++row) {
            int low = 0, high = static_cast<int>(order.size()) - 1;
            while (low <= high) {
                const int middle = (low + high) / 2;
                const int compared = keys[row].compare(keys[order[static_cast<std::size_t>(middle)]]);
                if (compared == 0) {
                    low = middle;
                    break;
                }
                if (compared < 0)
                    high = middle - 1;
                else
                    low = middle + 1;
            }
            order.insert(order.begin() + low, row);
        }
    }
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const std::size_t row : order)
        sorted.push_back(texts[row]);
    return sorted;
}

}  // namespace vantry::win
