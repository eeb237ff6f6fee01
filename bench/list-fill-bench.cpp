// Where ten thousand maps go when a window opens: listing the maps folder,
// ordering the rows as a sorted list box would, and putting them in. Prints one
// line of figures (median of the runs); run under Wine by bench/map-lists.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "Milliseconds.h"
#include "win/platform/Win32FileSystem.h"
#include "win/ui/ListFill.h"

using namespace vantry;

namespace {

double Median(std::vector<double> figures) {
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: list-fill-bench <maps folder> [runs]\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "\\";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    win::Win32FileSystem fs;
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_OVERLAPPEDWINDOW | LBS_SORT | LBS_HASSTRINGS, 0, 0, 300,
                                300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<double> listing, sorting, filling;
    std::size_t count = 0;
    for (int run = 0; run < runs; ++run) {
        std::vector<std::string> names, sorted;
        listing.push_back(Milliseconds([&] { names = fs.list(folder + "*.bsp", ListFilter::NormalFiles); }));
        sorting.push_back(Milliseconds([&] { sorted = win::SortedAsListBox(list, names); }));
        filling.push_back(Milliseconds([&] { win::FillList(list, win::ListBoxMessages, sorted); }));
        count = names.size();
    }
    std::printf("%zu maps: listing %.1f ms, sorting %.1f ms, filling %.1f ms\n", count, Median(listing),
                Median(sorting), Median(filling));
    DestroyWindow(list);
    return 0;
}
