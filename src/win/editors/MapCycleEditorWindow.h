#pragma once

#include "core/editors/MapCycleEditorPresenter.h"
#include "win/editors/GameFileWindow.h"
#include "win/ui/SystemControl.h"

namespace vantry::win {

// frmMapCycle: a game's maps on the left, its cycle on the right, and the
// arrows between and beside them.
class MapCycleEditorWindow final : public GameFileWindow<MapCycleEditorView> {
public:
    enum : int { IdCycle = IdDocument + 1, IdAdd, IdDel, IdMoveUp, IdMoveDown, IdMapsFrame, IdCycleFrame };

    MapCycleEditorWindow(WindowSet& windows, const GameFileServices& services);
    ~MapCycleEditorWindow() override;

    MapCycleEditorPresenter& presenter() { return presenter_; }

private:
    void createDocumentControls() override;
    MapList& maps() override { return mapList_; }
    ListControl& cycle() override { return lstCycle_; }
    void setDocumentEnabled(bool enabled) override;

    MapCycleEditorPresenter presenter_;
    SystemControl frMaps_, frCycle_;  // Frame1
    ListBox lstMaps_, lstCycle_;
    MapList mapList_{lstMaps_};
    FlatButton cmdAdd_, cmdDel_, cmdMoveUp_, cmdMoveDown_;
};

}  // namespace vantry::win
