#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"
#include "core/ui/MenuModel.h"

namespace vantry::fakes {

// Each menu entry as caption, with "*" when ticked and "(off)" when greyed; a
// submenu in brackets, a separator as "-".
inline std::string Describe(const Menu& menu) {
    std::string out;
    for (const MenuItem& item : menu) {
        out += out.empty() ? "" : " | ";
        if (!item.submenu.empty())
            out += item.caption + " [" + Describe(item.submenu) + "]";
        else if (item.isSeparator())
            out += "-";
        else
            out += item.caption + (item.checked ? "*" : "") + (item.enabled ? "" : "(off)");
    }
    return out;
}

// What a fake window was told, in order, and the unsaved work it read each
// time it was told that the work changed.
struct Recorder {
    void hear() {
        if (work)
            heard.push_back(work());
    }
    std::vector<std::string> log, heard;
    std::function<std::string()> work;  // the presenter's, as the window reads it when told
};

// Everything a window's catalogue rebuild reaches, and the rest a tool window
// uses, in memory: hlds.exe in C:\HL\ and the program in C:\Vantry\, both where
// the settings say, so that nothing asks where they are.
struct FakeCatalogue {
    FakeCatalogue() {
        fs.addFile("C:\\HL\\hlds.exe");
        fs.addFile("C:\\Vantry\\HLDS Vantry.exe");
        settings.setHLdir("C:\\HL\\");
        settings.setHLexe("hlds.exe");
        settings.setHLDSdir("C:\\Vantry\\");
        settings.setHLDSexe("HLDS Vantry.exe");
    }

    std::string Box(std::size_t i) const { return Describe(boxes.calls.at(i)); }

    FakeFileSystem fs;
    FakeSettingsStore store;
    Settings settings{store};
    FakeRegistry registry;
    FakeFileDialogs dialogs;
    FakeMessageBoxes boxes;
    CatalogueServices catalogue{settings, fs, registry, dialogs, boxes, "C:\\Vantry\\"};
    GameLists lists;
    FakeShell shell;
    FakeClipboard clipboard;
    FakeProcesses processes;
    FakeNetwork network;
    FakeClock clock;
    int lastPort = 27014;
};

}  // namespace vantry::fakes
