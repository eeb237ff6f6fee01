// Starts a program many times and reports, as medians, the time from process
// start to its first visible top-level window, and its peak working set.
// Usage: startup-probe <runs> <command line>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    bool found;
};

BOOL CALLBACK FindShown(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    RECT rc;
    // A shown window on the screen: the off-screen title window does not count.
    if (pid == search->pid && IsWindowVisible(hwnd) && GetWindowRect(hwnd, &rc) && rc.right > 0 &&
        rc.bottom > 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const int runs = std::atoi(argv[1]);
    std::string command = argv[2];
    for (int i = 3; i < argc; ++i)
        command += std::string(" ") + argv[i];
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times, peaks;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::string line = command;
        LARGE_INTEGER start, now;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return 1;
        Search search{info.dwProcessId, false};
        for (int spin = 0; spin < 20000 && !search.found; ++spin) {
            EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
            if (!search.found)
                Sleep(1);
        }
        QueryPerformanceCounter(&now);
        Sleep(300);  // let it settle before reading its memory
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        times.push_back(1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        peaks.push_back(static_cast<double>(memory.PeakWorkingSetSize) / 1024.0);
    }
    std::printf("%.1f %.0f\n", Median(times), Median(peaks));
    return 0;
}
