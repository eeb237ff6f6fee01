#pragma once

#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"
#include "win/platform/Win32FileSystem.h"

namespace vantry::testutil {

// What a window's catalogue rebuild reaches, on the real disk; the settings,
// registry, dialogs and boxes in memory.
struct DiskCatalogue {
    win::Win32FileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    CatalogueServices catalogue{settings, fs, registry, dialogs, boxes, ""};
    GameLists lists;

    // hlds.exe and the program in existing folders (paths with a final "\"),
    // where the settings say, so that nothing asks where they are.
    void install(const std::string& hlDir, const std::string& programDir) {
        fs.writeFile(hlDir + "hlds.exe", "MZ");
        fs.writeFile(programDir + "HLDS Vantry.exe", "MZ");
        settings.setHLdir(hlDir);
        settings.setHLexe("hlds.exe");
        settings.setHLDSdir(programDir);
        settings.setHLDSexe("HLDS Vantry.exe");
    }
};

}  // namespace vantry::testutil
