#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/MapLists.h"

using namespace vantry;

namespace {

// A sorted list box as the system keeps one: an array of pointers to its rows,
// each new row put in its place without regard to case.
class SortedListBox : public ListControl {
public:
    void Clear() override { rows_.clear(); }
    int AddItem(const std::string& item) override {
        auto row = std::make_unique<Row>(Row{item, ToLowerAscii(item)});
        const auto at = std::upper_bound(rows_.begin(), rows_.end(), row->key,
                                         [](const std::string& k, const auto& r) { return k < r->key; });
        const auto index = at - rows_.begin();
        rows_.insert(at, std::move(row));
        return static_cast<int>(index);
    }
    std::string List(int row) const override {
        return row >= 0 && row < ListCount() ? rows_[static_cast<std::size_t>(row)]->text : "";
    }
    int ListCount() const override { return static_cast<int>(rows_.size()); }
    int ListIndex() const override { return -1; }
    void SetListIndex(int) override {}

private:
    struct Row {
        std::string text, key;
    };
    std::vector<std::unique_ptr<Row>> rows_;
};

}  // namespace

// A game with 10,000 map files and a 1,000-line .mps list, a tenth of whose
// names are also map files in another case: the map list of a large server,
// without the disk. Arg 0 fills the launcher's drop-down, 1 a sorted list box.
static void BM_FillMapList10000Maps(benchmark::State& state) {
    fakes::FakeFileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    settings.SetHLdir("C:\\HL\\");
    settings.SetHLDSdir("C:\\Vantry\\");
    for (int i = 0; i < 10000; ++i)
        fs.addFile("C:\\HL\\cstrike\\maps\\de_map" + std::to_string((i * 7919) % 10000) + ".bsp");
    std::string mps;
    for (int i = 0; i < 1000; ++i)
        mps += (i % 10 ? "Extra_Map" : "DE_MAP") + std::to_string(i) + "\r\n";
    fs.addFile("C:\\Vantry\\games\\cstrike.mps", mps);

    fakes::FakeListControl dropDown;
    SortedListBox listBox;
    ListControl& control = state.range(0) ? static_cast<ListControl&>(listBox) : dropDown;
    MapList maps(control);
    for (auto _ : state) {
        FillMapList(maps, "cstrike", settings, fs);
        benchmark::DoNotOptimize(control.ListCount());
    }
    state.counters["rows"] = control.ListCount();
}
BENCHMARK(BM_FillMapList10000Maps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A window's load with 300 game directories and a games.cfg that already lists
// them: the catalogue rebuilt, games.cfg rewritten, the selector filled.
static void BM_CatalogueRebuild300Games(benchmark::State& state) {
    fakes::FakeFileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    fakes::Install(fs, settings);
    for (int i = 0; i < 300; ++i)
        fs.addDir("C:\\HL\\mod" + std::to_string(i));
    CatalogueServices services{settings, fs, registry, dialogs, boxes, ""};
    GameLists lists;
    fakes::FakeListControl combo;
    for (auto _ : state) {
        if (FillGameSelector(services, lists, nullptr, combo) != LocateResult::Known)
            state.SkipWithError("asked for a location");
        ClearGameLists(lists);
    }
    state.counters["games"] = combo.ListCount();
}
BENCHMARK(BM_CatalogueRebuild300Games)->Unit(benchmark::kMicrosecond);
