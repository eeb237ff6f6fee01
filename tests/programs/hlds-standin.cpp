// hlds-standin: plays the game server's console for tests and demos.
//
// It opens one top-level window of class "tty" and ends when that window is
// closed. It takes any server command line (-game valve +map de_dust ...) and
// picks out only its own switches, wherever they stand:
//   -standin-title "text"   the window title (default "HLDS")
//   -standin-hidden         create the window without showing it
//   -standin-hang           never read a message once the window is up: a
//                           console that has stopped answering
// At start it appends one line to standin.log beside its own exe:
//   <pid> TAB <working directory> TAB <command line as received> CR LF
// so that a test can see exactly how it was started, even while it runs.
#include <windows.h>

#include <string>

namespace {

std::string Title(const std::string& line) {
    constexpr char titleSwitch[] = " -standin-title \"";
    const auto at = line.find(titleSwitch);
    if (at == std::string::npos)
        return "HLDS";
    const auto start = at + sizeof titleSwitch - 1;
    return line.substr(start, line.find('"', start) - start);
}

bool HasSwitch(const std::string& line, const std::string& name) {
    const auto at = line.find(" " + name);
    const auto end = at + 1 + name.size();
    return at != std::string::npos && (end == line.size() || line[end] == ' ');
}

// Several stand-ins may start at once from the same folder: append-only access
// makes each line land whole at the end, and the sharing lets a test read the
// log while they run.
void RecordStart(const std::string& commandLine) {
    char exe[MAX_PATH] = {}, cwd[MAX_PATH] = {};
    std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    path = path.substr(0, path.rfind('\\')) + "\\standin.log";
    const std::string line = std::to_string(GetCurrentProcessId()) + "\t" +
                             std::string(cwd, GetCurrentDirectoryA(MAX_PATH, cwd)) + "\t" + commandLine + "\r\n";
    const HANDLE log = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
}

LRESULT CALLBACK ConsoleProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    const std::string commandLine = GetCommandLineA();
    RecordStart(commandLine);

    WNDCLASSA cls = {};
    cls.lpfnWndProc = ConsoleProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    cls.lpszClassName = "tty";
    if (!RegisterClassA(&cls))
        return 1;
    const HWND hwnd = CreateWindowExA(0, "tty", Title(commandLine).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 640, 300, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    // A launcher's show command (say, minimised) reaches us through showCommand.
    if (!HasSwitch(commandLine, "-standin-hidden"))
        ShowWindow(hwnd, showCommand);
    if (HasSwitch(commandLine, "-standin-hang"))
        Sleep(INFINITE);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
