#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "FakeCatalogue.h"
#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/MapLists.h"
#include "core/catalogue/SortedList.h"

using namespace vantry;

// A game with 10,000 map files and a 1,000-line .mps list, a tenth of whose
// names are also map files in another case: the map list of a large server,
// without the disk. Arg 0 fills the launcher's drop-down, 1 a sorted list.
static void BM_FillMapList10000Maps(benchmark::State& state) {
    fakes::FakeFileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    settings.setHLdir("C:\\HL\\");
    settings.setHLDSdir("C:\\Vantry\\");
    for (int i = 0; i < 10000; ++i)
        fs.addFile("C:\\HL\\cstrike\\maps\\de_map" + std::to_string((i * 7919) % 10000) + ".bsp");
    std::string mps;
    for (int i = 0; i < 1000; ++i)
        mps += (i % 10 ? "Extra_Map" : "DE_MAP") + std::to_string(i) + "\r\n";
    fs.addFile("C:\\Vantry\\games\\cstrike.mps", mps);

    fakes::FakeListControl dropDown;
    SortedList sorted;
    ListControl& control = state.range(0) ? static_cast<ListControl&>(sorted) : dropDown;
    MapList maps(control);
    for (auto _ : state) {
        FillMapList(maps, "cstrike", settings, fs);
        benchmark::DoNotOptimize(control.count());
    }
    state.counters["rows"] = control.count();
}
BENCHMARK(BM_FillMapList10000Maps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A window's load with 300 game directories and a games.cfg that already lists
// them: the catalogue rebuilt, games.cfg rewritten, the selector filled.
static void BM_CatalogueRebuild300Games(benchmark::State& state) {
    fakes::FakeCatalogue c;
    for (int i = 0; i < 300; ++i)
        c.fs.addDir("C:\\HL\\mod" + std::to_string(i));
    fakes::FakeListControl combo;
    for (auto _ : state) {
        if (FillGameSelector(c.catalogue, c.lists, nullptr, combo) != LocateResult::Known)
            state.SkipWithError("asked for a location");
        ClearGameLists(c.lists);
    }
    state.counters["games"] = combo.count();
}
BENCHMARK(BM_CatalogueRebuild300Games)->Unit(benchmark::kMicrosecond);
