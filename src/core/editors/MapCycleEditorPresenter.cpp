#include "core/editors/MapCycleEditorPresenter.h"

#include "core/text/Text.h"
#include "core/text/TextFile.h"

namespace vantry {

bool MapCycleEditorPresenter::read(const std::string& game) {
    ListControl& cycle = view_.cycle();
    cycle.Clear();
    const auto text = readText(pathOf(game));
    if (!text) {
        view_.maps().Fill({});
        return false;
    }
    for (const std::string& line : SplitTextLines(*text))
        cycle.AddItem(line);
    FillMapList(view_.maps(), game, s_.catalogue.settings, s_.catalogue.fs);
    return true;
}

std::string MapCycleEditorPresenter::fileText() {
    const ListControl& cycle = view_.cycle();
    std::vector<std::string> lines;
    for (int row = 0; row < cycle.ListCount(); ++row)
        lines.push_back(cycle.List(row));
    return JoinTextLines(lines);
}

void MapCycleEditorPresenter::onAdd() {
    const ListControl& maps = view_.maps().control();
    const std::string map = maps.List(maps.ListIndex());
    if (TrimSpaces(map).empty())
        return;
    ListControl& cycle = view_.cycle();
    const int row = cycle.ListCount();
    view_.insertCycleEntry(row, map);
    cycle.SetListIndex(row);
    setChanged(true);
}

void MapCycleEditorPresenter::onDelete() {
    ListControl& cycle = view_.cycle();
    const int row = cycle.ListIndex();
    if (row < 0)
        return;
    view_.removeCycleEntry(row);
    cycle.SetListIndex(row - 1);
    setChanged(true);
}

void MapCycleEditorPresenter::move(int by) {
    ListControl& cycle = view_.cycle();
    const int row = cycle.ListIndex();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= cycle.ListCount())
        return;
    const std::string entry = cycle.List(row);
    view_.removeCycleEntry(row);
    view_.insertCycleEntry(to, entry);
    cycle.SetListIndex(to);
    setChanged(true);
}

}  // namespace vantry
