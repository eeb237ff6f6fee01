#include "core/editors/MapCycleEditorPresenter.h"

#include "core/text/Text.h"
#include "core/text/TextFile.h"

namespace vantry {

bool MapCycleEditorPresenter::read(const std::string& game) {
    ListControl& cycle = view_.cycle();
    cycle.clear();
    const auto text = readText(pathOf(game));
    if (!text) {
        view_.maps().fill({});
        return false;
    }
    cycle.fill(SplitTextLines(*text));
    FillMapList(view_.maps(), game, s_.catalogue.settings, s_.catalogue.fs);
    return true;
}

std::string MapCycleEditorPresenter::fileText() {
    const ListControl& cycle = view_.cycle();
    std::vector<std::string> lines;
    for (int row = 0; row < cycle.count(); ++row)
        lines.push_back(cycle.text(row));
    return JoinTextLines(lines);
}

void MapCycleEditorPresenter::onAdd() {
    const ListControl& maps = view_.maps().control();
    const std::string map = maps.text(maps.current());
    if (TrimSpaces(map).empty())
        return;
    ListControl& cycle = view_.cycle();
    const int row = cycle.count();
    cycle.insert(row, map);
    cycle.setCurrent(row);
    setChanged(true);
}

void MapCycleEditorPresenter::onDelete() {
    ListControl& cycle = view_.cycle();
    const int row = cycle.current();
    if (row < 0)
        return;
    cycle.remove(row);
    cycle.setCurrent(row - 1);
    setChanged(true);
}

void MapCycleEditorPresenter::move(int by) {
    ListControl& cycle = view_.cycle();
    const int row = cycle.current();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= cycle.count())
        return;
    const std::string entry = cycle.text(row);
    cycle.remove(row);
    cycle.insert(to, entry);
    cycle.setCurrent(to);
    setChanged(true);
}

}  // namespace vantry
