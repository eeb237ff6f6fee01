#pragma once

#include <string>

#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"

namespace vantry::fakes {

// Everything a window's catalogue rebuild reaches, in memory, with hlds.exe
// and the program installed where the settings say.
struct FakeCatalogue {
    FakeCatalogue() { Install(fs, settings); }

    // A message box as one line: title / text / style.
    std::string Box(std::size_t i) const {
        const auto& c = boxes.calls.at(i);
        return c.title + " / " + c.text + " / " + std::to_string(c.style);
    }

    FakeFileSystem fs;
    FakeSettingsStore store;
    Settings settings{store};
    FakeRegistry registry;
    FakeFileDialogs dialogs;
    FakeMessageBoxes boxes;
    CatalogueServices catalogue{settings, fs, registry, dialogs, boxes, "C:\\Vantry\\"};
    GameLists lists;
};

}  // namespace vantry::fakes
