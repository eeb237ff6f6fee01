#include "win/editors/MapCycleEditorWindow.h"

#include "core/ui/Sizes.h"

namespace vantry::win {

namespace {
using mapcycle::HeightTwips;
using mapcycle::WidthTwips;
constexpr GameFileLayout Layout{
    L"HLDSVantryMapCycleEditor", mapcycle::Title, WidthTwips, HeightTwips,
    {150, 435, 600, 240}, {810, 390, layout::GameListWidth, layout::GameListHeight},
    {120, 3060, 2130, 360}, {2730, 3060, 2280, 360}};
constexpr Rect MapsFrame{120, 810, 2130, 2130}, MapsPlace{210, 1080, 1950, 1770};
constexpr Rect CycleFrame{2730, 810, 2280, 2130}, CyclePlace{2820, 1080, 1650, 1770};
constexpr Rect AddPlace{2325, 1500, 330, 330}, DelPlace{2325, 1950, 330, 330};
constexpr Rect UpPlace{4560, 1500, 330, 330}, DownPlace{4560, 1950, 330, 330};
}  // namespace

MapCycleEditorWindow::MapCycleEditorWindow(WindowSet& windows, const GameFileServices& services)
    : GameFileWindow(windows, presenter_, Layout), presenter_(*this, services) {}

MapCycleEditorWindow::~MapCycleEditorWindow() { destroy(); }

void MapCycleEditorWindow::createDocumentControls() {
    const auto frame = [this](SystemControl& control, int id, const Rect& place, const char* caption) {
        // Clicks fall through a group box to the window, which drags.
        control.create(hwnd_, L"BUTTON", caption, BS_GROUPBOX | WS_CLIPSIBLINGS, id, px(place));
        keepPlaced(control.hwnd(), place);
    };
    frame(frMaps_, IdMapsFrame, MapsFrame, mapcycle::MapsCaption);
    frame(frCycle_, IdCycleFrame, CycleFrame, mapcycle::CycleCaption);
    const auto list = [this](ListBox& control, int id, const Rect& place, bool sorted) {
        control.create(hwnd_, id, px(place), sorted);
        keepPlaced(control.hwnd(), place);
    };
    const auto arrow = [this](FlatButton& button, int id, const Rect& place, const char* name, const char* picture,
                              auto step) {
        addButton(button, place, {.id = id, .caption = name, .picture = picture});
        button.onClick = [this, step] { (presenter_.*step)(); };
    };
    // Left to right, as the keyboard goes: the maps, the arrows between, the cycle, its arrows.
    list(lstMaps_, IdDocument, MapsPlace, true);
    arrow(cmdAdd_, IdAdd, AddPlace, "Add", "ARROWR", &MapCycleEditorPresenter::onAdd);
    arrow(cmdDel_, IdDel, DelPlace, "Delete", "ARROWL", &MapCycleEditorPresenter::onDelete);
    list(lstCycle_, IdCycle, CyclePlace, false);
    arrow(cmdMoveUp_, IdMoveUp, UpPlace, "Move Up", "ARROWU", &MapCycleEditorPresenter::onMoveUp);
    arrow(cmdMoveDown_, IdMoveDown, DownPlace, "Move Down", "ARROWD", &MapCycleEditorPresenter::onMoveDown);
}

void MapCycleEditorWindow::setDocumentEnabled(bool enabled) {
    EnableWindow(lstMaps_.hwnd(), enabled);
    EnableWindow(lstCycle_.hwnd(), enabled);
    for (FlatButton* arrow : {&cmdAdd_, &cmdDel_, &cmdMoveUp_, &cmdMoveDown_})
        arrow->setEnabled(enabled);
}

}  // namespace vantry::win
