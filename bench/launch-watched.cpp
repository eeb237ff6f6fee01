// Starts servers the way an admin does, through HLDS Vantry's launcher (each
// "/s" run starts one and ends), then marks every recorded server watched,
// as "Restart If It Crashes" does, for bench/idle-cpu.
// Usage: launch-watched <count> <HLDS Vantry.exe>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The launcher's controls, as its window numbers them.
constexpr int IdParams = 303, IdStart = 304;

HWND WaitForLauncher(DWORD pid) {
    for (int i = 0; i < 500; ++i) {
        for (HWND w = FindWindowW(L"HLDSVantryLauncher", nullptr); w;
             w = FindWindowExW(nullptr, w, L"HLDSVantryLauncher", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && IsWindowVisible(w))
                return w;
        }
        Sleep(20);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const int count = std::atoi(argv[1]);
    for (int i = 1; i <= count; ++i) {
        std::string line = std::string("\"") + argv[2] + "\" /s";
        STARTUPINFOA startup{sizeof startup};
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return 1;
        HWND launcher = WaitForLauncher(process.dwProcessId);
        if (!launcher)
            return 1;
        const std::wstring params = L"-standin-title \"HLDS - bench " + std::to_wstring(i) + L"\"";
        HWND field = FindWindowExW(GetDlgItem(launcher, IdParams), nullptr, L"Edit", nullptr);
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(params.c_str()));
        PostMessageW(GetDlgItem(launcher, IdStart), BM_CLICK, 0, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    // Each record: start time, watched, port, folder, command line.
    HKEY servers = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\HLDSVantry\\Servers", 0, KEY_READ | KEY_SET_VALUE, &servers))
        return 1;
    std::vector<std::wstring> names;
    wchar_t name[64];
    for (DWORD i = 0, size = 64; RegEnumValueW(servers, i, name, &size, nullptr, nullptr, nullptr, nullptr) == 0;
         ++i, size = 64)
        names.push_back(name);
    for (const std::wstring& key : names) {
        wchar_t data[4096] = {};
        DWORD size = sizeof data;
        if (RegQueryValueExW(servers, key.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size))
            continue;
        std::wstring record = data;
        const auto tab = record.find(L'\t');
        if (tab != std::wstring::npos && tab + 1 < record.size())
            record[tab + 1] = L'1';
        RegSetValueExW(servers, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(record.c_str()),
                       static_cast<DWORD>((record.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(servers);
    std::printf("%zu servers started through the launcher, watched\n", names.size());
    return 0;
}
