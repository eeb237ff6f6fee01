// hlds-standin: plays the game server's console for tests and demos.
//
// It opens one top-level window of class "tty" and ends when that window is
// closed. It takes any server command line (-game valve +map de_dust ...) and
// picks out only its own switches, wherever they stand:
//   -standin-title "text"   the window title (default "HLDS")
//   -standin-hidden         create the window without showing it
//   -standin-hang           never read a message once the window is up: a
//                           console that has stopped answering
//   -standin-crash-after N  end N milliseconds after start with the exit code
//                           of an access violation (0xC0000005), as a server
//                           that crashed, without the crash dialog's wait
//                           (on a timer, so the window answers meanwhile)
// Once its window is up it appends one line to standin.log beside its own exe,
// in UTF-8:
//   <pid> TAB <working directory> TAB <command line as received> CR LF
// so that a test can see exactly how it was started, even while it runs. It
// is a Unicode program, as a server is: what reaches it is what it records.
#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

namespace {

std::wstring Title(const std::wstring& line) {
    constexpr wchar_t titleSwitch[] = L" -standin-title \"";
    const auto at = line.find(titleSwitch);
    if (at == std::wstring::npos)
        return L"HLDS";
    const auto start = at + std::size(titleSwitch) - 1;
    return line.substr(start, line.find(L'"', start) - start);
}

// The number after the switch; nothing when the switch is not given.
std::optional<UINT> Milliseconds(const std::wstring& line, const std::wstring& name) {
    const std::wstring key = L" " + name + L" ";
    const auto at = line.find(key);
    if (at == std::wstring::npos)
        return std::nullopt;
    return static_cast<UINT>(std::wcstoul(line.c_str() + at + key.size(), nullptr, 10));
}

constexpr UINT_PTR CrashTimer = 1;

bool HasSwitch(const std::wstring& line, const std::wstring& name) {
    const auto at = line.find(L" " + name);
    const auto end = at + 1 + name.size();
    return at != std::wstring::npos && (end == line.size() || line[end] == L' ');
}

std::string Utf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

// Several stand-ins may start at once from the same folder: append-only access
// makes each line land whole at the end, and the sharing lets a test read the
// log while they run.
void RecordStart(const std::wstring& commandLine) {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    path = path.substr(0, path.rfind(L'\\')) + L"\\standin.log";
    std::wstring cwd(GetCurrentDirectoryW(0, nullptr), L'\0');
    cwd.resize(GetCurrentDirectoryW(static_cast<DWORD>(cwd.size()), cwd.data()));
    const std::string line =
        std::to_string(GetCurrentProcessId()) + "\t" + Utf8(cwd) + "\t" + Utf8(commandLine) + "\r\n";
    const HANDLE log = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
}

LRESULT CALLBACK ConsoleProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == CrashTimer)
        ExitProcess(0xC0000005);
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    const std::wstring commandLine = GetCommandLineW();

    WNDCLASSW cls = {};
    cls.lpfnWndProc = ConsoleProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    cls.lpszClassName = L"tty";
    if (!RegisterClassW(&cls))
        return 1;
    const HWND hwnd = CreateWindowExW(0, L"tty", Title(commandLine).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 640, 300, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    // A launcher's show command (say, minimised) reaches us through showCommand.
    if (!HasSwitch(commandLine, L"-standin-hidden"))
        ShowWindow(hwnd, showCommand);
    // Told once the window is there, so that a test that has read the line
    // finds the console to close: one left running would outlive the test.
    RecordStart(commandLine);
    if (const auto after = Milliseconds(commandLine, L"-standin-crash-after"))
        SetTimer(hwnd, CrashTimer, *after, nullptr);
    if (HasSwitch(commandLine, L"-standin-hang"))
        Sleep(INFINITE);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
