// The configuration editor on a 5 MB .cfg (or as many megabytes as the first
// argument says): how long opening it, saving it and one insert take in the
// real window, text box included. Prints one line of figures; run under Wine
// by bench/cfg-editor.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "FakePlatform.h"
#include "core/text/TextFile.h"
#include "win/editors/CfgEditorWindow.h"
#include "win/platform/Win32Clipboard.h"
#include "Milliseconds.h"
#include "win/platform/Win32FileSystem.h"

using namespace vantry;

namespace {

}  // namespace

int main(int argc, char** argv) {
    const int megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string dir = std::string(temp) + "vantry-cfg-bench\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "valve").c_str(), nullptr);
    win::Win32FileSystem fs;
    fs.writeFile(dir + "hlds.exe", "MZ");
    fs.writeFile(dir + "HLDS Vantry.exe", "MZ");
    std::string cfg;
    for (int i = 0; cfg.size() < static_cast<std::size_t>(megabytes) * 1024 * 1024; ++i)
        cfg += "// setting number " + std::to_string(i) + "\r\nsv_gravity " + std::to_string(i) + "\r\n";
    const std::string path = dir + "valve\\big.cfg";
    fs.writeFile(path, cfg);

    fakes::FakeSettingsStore store;
    Settings settings{store};
    settings.setHLdir(dir);
    settings.setHLexe("hlds.exe");
    settings.setHLDSdir(dir);
    settings.setHLDSexe("HLDS Vantry.exe");
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    CatalogueServices catalogue{settings, fs, registry, dialogs, boxes, dir};
    GameLists lists;
    win::Win32Clipboard clipboard;
    WindowSet windows;
    win::CfgEditorWindow editor(windows, CfgEditorServices{catalogue, lists, clipboard, CfgEditorMode::Alone, path});

    // The file read and split into the text box's lines, without the text box.
    const double read = Milliseconds([&] {
        const auto lines = SplitTextLines(*fs.readFile(path));
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
    });
    const double open = Milliseconds([&] { editor.load(nullptr); });
    const HWND text = GetDlgItem(editor.hwnd(), win::CfgEditorWindow::IdText);
    SendMessageA(text, EM_SETSEL, 1000, 1000);
    const double insert = Milliseconds([&] { editor.presenter().insertVariable(34); });
    const double save = Milliseconds([&] { editor.presenter().Save(); });
    std::printf("%d MB .cfg: read %.0f ms, open in the window %.0f ms, one insert %.0f ms, save %.0f ms\n", megabytes,
                read, open, insert, save);
    editor.unload();
    DeleteFileA(path.c_str());
    return 0;
}
