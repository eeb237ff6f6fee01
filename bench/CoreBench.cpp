#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/catalogue/PipeList.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

// A configuration file of 5 or 50 MB read as the editor's document and saved
// again: the editors' open and save cost without the disk and the text box.
static void BM_CfgDocumentRoundTrip(benchmark::State& state) {
    std::string bytes;
    while (bytes.size() < static_cast<std::size_t>(state.range(0)) * 1024u * 1024u)
        bytes += "sv_maxspeed 320 // the fastest a player may move\r\n";
    for (auto _ : state) {
        auto saved = vantry::DocumentBytes(vantry::DocumentText(bytes));
        benchmark::DoNotOptimize(saved.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CfgDocumentRoundTrip)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// Reading every item of a catalogue list re-splits the whole text each time.
static void BM_PipeListItemLoop(benchmark::State& state) {
    vantry::PipeList list;
    for (int i = 0; i < state.range(0); ++i)
        list.Add("game" + std::to_string(i) + ";1");
    for (auto _ : state) {
        const int count = list.Count();
        for (int i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(list.Item(i));
    }
}
BENCHMARK(BM_PipeListItemLoop)->Arg(30)->Arg(300)->Unit(benchmark::kMicrosecond);

// Sorting a large directory listing into listing order.
static void BM_SortListing(benchmark::State& state) {
    std::vector<std::string> names;
    for (int i = 0; i < state.range(0); ++i)
        names.push_back((i % 2 ? "DE_map" : "cs_Map") + std::to_string((i * 7919) % 100000) + ".bsp");
    for (auto _ : state) {
        auto copy = names;
        vantry::SortListing(copy);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_SortListing)->Arg(10000)->Unit(benchmark::kMillisecond);

#include "FakeDesktop.h"
#include "core/servers/ServerList.h"

// One tChkNew and one chkAlive tick over a desktop of 2,000 top-level windows
// with 20, 100 or 500 consoles already listed: the main window's steady
// background cost, without the system.
static void BM_PollTicks2000Windows(benchmark::State& state) {
    vantry::fakes::FakeDesktopWindows desktop;
    vantry::fakes::FakeMainView view;
    vantry::ServerList list(view, desktop);
    const int consoles = static_cast<int>(state.range(0));
    const int every = 2000 / consoles;
    desktop.add("tty", "HLDS - first");
    for (int i = 1; i < 2000; ++i)
        desktop.add(i % every == 0 ? "tty" : "Other", i % every == 0 ? "HLDS - server " + std::to_string(i)
                                                                    : "Window " + std::to_string(i));
    list.tChkNew();
    for (auto _ : state) {
        list.tChkNew();
        list.chkAlive();
    }
    state.counters["listed"] = static_cast<double>(view.entries.size());
}
BENCHMARK(BM_PollTicks2000Windows)->Arg(20)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);
