// hlds-standin: plays the game server's console for tests and demos.
//
// It opens one top-level window of class "tty" and ends when that window is
// closed. It takes any server command line (-game valve +map de_dust ...) and
// picks out only its own switches, wherever they stand:
//   -standin-title <text>   the window title: the text up to the next
//                           " -standin-" or the end, or "quoted text"
//   -standin-hidden         create the window without showing it
// At start it appends one line to standin.log beside its own exe:
//   <pid> TAB <working directory> TAB <command line as received> CR LF
// so that a test can see exactly how it was started, even while it runs.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

constexpr char kSwitchPrefix[] = " -standin-";

struct Options {
    std::string title = "HLDS";
    bool hidden = false;
};

// Finds a switch as a word of its own: at the start or after a space, and
// followed by a space or the end.
std::size_t FindSwitch(std::string_view line, std::string_view name) {
    for (std::size_t at = line.find(name); at != std::string_view::npos; at = line.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || line[at - 1] == ' ') && (end == line.size() || line[end] == ' '))
            return at;
    }
    return std::string_view::npos;
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

Options ParseOptions(std::string_view line) {
    Options options;
    options.hidden = FindSwitch(line, "-standin-hidden") != std::string_view::npos;

    constexpr std::string_view titleSwitch = "-standin-title";
    const std::size_t at = FindSwitch(line, titleSwitch);
    if (at == std::string_view::npos)
        return options;
    std::string_view rest = line.substr(at + titleSwitch.size());
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (!rest.empty() && rest.front() == '"') {
        rest.remove_prefix(1);
        options.title = std::string(rest.substr(0, rest.find('"')));
    } else {
        options.title = TrimSpaces(rest.substr(0, rest.find(kSwitchPrefix)));
    }
    return options;
}

std::string OwnDirectory() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.rfind('\\'));
}

// Several stand-ins may start at once from the same folder: append-only access
// makes each line land whole at the end, and the sharing lets a test read the
// log while they run.
void RecordStart(const std::string& commandLine) {
    char cwd[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, cwd);
    const std::string line = std::to_string(GetCurrentProcessId()) + "\t" + std::string(cwd, n) +
                             "\t" + commandLine + "\r\n";
    const HANDLE log = CreateFileA((OwnDirectory() + "\\standin.log").c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
}

struct Console {
    std::string commandLine;
    HFONT font = nullptr;
};

void Paint(HWND hwnd, const Console& console) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const HGDIOBJ oldFont = SelectObject(dc, console.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(192, 192, 192));

    char title[512] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    const std::string text = std::string(title) + "\r\n\r\n" + console.commandLine;
    InflateRect(&area, -4, -4);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ConsoleProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* console = reinterpret_cast<Console*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (console) {
            Paint(hwnd, *console);
            return 0;
        }
        break;
    case WM_SETTEXT: {
        // The title is drawn in the window too.
        const LRESULT result = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    Console console;
    console.commandLine = GetCommandLineA();
    RecordStart(console.commandLine);
    const Options options = ParseOptions(console.commandLine);
    console.font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));

    WNDCLASSA cls = {};
    cls.lpfnWndProc = ConsoleProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    cls.lpszClassName = "tty";
    if (!RegisterClassA(&cls))
        return 1;

    const HWND hwnd = CreateWindowExA(0, "tty", options.title.c_str(), WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 640, 300, nullptr, nullptr,
                                      instance, &console);
    if (!hwnd)
        return 1;
    // A launcher's show command (say, minimised) reaches us through showCommand.
    if (!options.hidden)
        ShowWindow(hwnd, showCommand);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
