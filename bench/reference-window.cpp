// The fair yardstick for the main window's start-up: one window holding as
// many standard child controls as the main window has (static texts, push
// buttons, a list box and two edits, each edit in a frame), all in 8 pt
// Tahoma, shown at once, by a program that declares what HLDS Vantry declares
// (its manifest, the common controls). What HLDS Vantry takes beyond this is
// its own doing.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "ReferenceWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "ReferenceWindow", "Reference", WS_POPUP, 100, 100, 300, 330, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd)
        return 1;
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(8, 96, 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&lf);

    // The main window's 19 child windows: 4 texts (the title and icon among
    // them), 10 buttons, the list, and two framed edits.
    struct Child {
        const char* cls;
        DWORD style;
        int count;
    } children[] = {
        {"STATIC", SS_LEFT, 4}, {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 10},
        {"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 1}, {"STATIC", SS_BLACKFRAME, 2},
        {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, 2},
    };
    int y = 4;
    for (const Child& c : children)
        for (int i = 0; i < c.count; ++i, y += 16) {
            HWND child = CreateWindowExA(0, c.cls, "Control", WS_CHILD | WS_VISIBLE | c.style, 4, y, 280, 14, hwnd,
                                         nullptr, instance, nullptr);
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    DeleteObject(font);
    return 0;
}
