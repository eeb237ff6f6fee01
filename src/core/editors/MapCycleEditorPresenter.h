#pragma once

#include <string>

#include "core/catalogue/MapLists.h"
#include "core/editors/GameFileEditor.h"

namespace vantry {

namespace mapcycle {
inline constexpr char Title[] = "Map Cycle Editor";
inline constexpr char MapsCaption[] = "Maps Available";
inline constexpr char CycleCaption[] = "Map Cycle";
inline constexpr GameFileTexts Texts{"mapcycle.txt", "mapcycle.txt", "Save changes to current Mapcycle?",
                                     "Map Cycle Editor"};
inline constexpr int WidthTwips = 5130, HeightTwips = 3550;
}  // namespace mapcycle

// What frmMapCycle shows beyond the shared parts: the game's maps, sorted,
// and the cycle in file order. Rows count from 0; -1 is no selection.
class MapCycleEditorView : public GameFileView {
public:
    virtual MapList& maps() = 0;        // lstMaps
    virtual ListControl& cycle() = 0;   // lstCycle; setCurrent selects
};

// frmMapCycle: each game's mapcycle.txt as a list built from its maps.
class MapCycleEditorPresenter : public GameFileEditor {
public:
    MapCycleEditorPresenter(MapCycleEditorView& view, GameFileServices services)
        : GameFileEditor(view, services, mapcycle::Texts), view_(view) {}

    // Each changes the cycle and sets the flag, or, where there is nothing to
    // do, leaves both as they were.
    void onAdd();
    void onDelete();
    void onMoveUp() { move(-1); }
    void onMoveDown() { move(1); }

private:
    // A missing cycle is empty; nothing is created until a save.
    bool read(const std::string& game) override;
    std::string fileText() override;
    void move(int by);

    MapCycleEditorView& view_;
};

}  // namespace vantry
