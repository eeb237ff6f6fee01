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
};

}  // namespace vantry::testutil
