#include "win/options/OptionsWindow.h"

#include "core/ui/ControlLayout.h"
#include "core/ui/Sizes.h"
#include "win/resources/resource.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {
constexpr int WidthTwips = 7440, HeightTwips = 6420;

constexpr Rect LocationsFrame{120, 420, 7200, 1020};
constexpr Rect ServerLabel{240, 735, 1200, 240}, ServerPlace{1500, 690, 5100, 300}, BrowseServer{6720, 690, 480, 300};
constexpr Rect ProgramLabel{240, 1095, 1200, 240}, ProgramPlace{1500, 1050, 5100, 300},
    BrowseProgram{6720, 1050, 480, 300};

constexpr Rect GamesFrame{120, 1560, 3480, 3000};
constexpr Rect GamesNote{240, 1800, 3240, 420}, GamesPlace{240, 2250, 3240, 1440};
constexpr Rect DefaultLabel{240, 3780, 1560, 240}, DefaultPlace{1800, 3780, 1680, 240};
constexpr Rect MakeDefaultPlace{240, 4080, 3240, 330};

constexpr Rect MapsFrame{3720, 1560, 3600, 3000};
constexpr Rect GameLabel{3840, 1845, 600, 240},
    GamePlace{4500, 1800, layout::GameListWidth, layout::GameListHeight};
constexpr Rect MapsLabel{3840, 2220, 1000, 240}, MapsPlace{3840, 2460, 1800, 1260};
constexpr Rect NewMapPlace{5760, 2460, 1440, 300}, AddMapPlace{5760, 2850, 1440, 330},
    DelMapPlace{5760, 3270, 1440, 330};
constexpr Rect MapNote{3840, 3810, 3360, 660};

constexpr Rect ShowInFrame{120, 4680, 2160, 1140};
constexpr Rect ShowInPlaces[3]{{240, 4920, 1920, 255}, {240, 5205, 1920, 255}, {240, 5490, 1920, 255}};
constexpr const char* ShowInCaptions[3]{"System Tray", "Taskbar", "Both"};

constexpr Rect CfgFrame{2400, 4680, 4920, 1140};
constexpr Rect AssociatePlace{2520, 4920, 3660, 255}, RegisterPlace{2520, 5205, 3660, 255};
constexpr Rect PreviousIconPlace{6180, 5130, 300, 300}, IconPlace{6500, 5040, 480, 480},
    NextIconPlace{6990, 5130, 300, 300};

constexpr Rect OkPlace{120, 5940, 2325, 360}, CancelPlace{2557, 5940, 2325, 360}, ApplyPlace{4995, 5940, 2325, 360};

constexpr int IconIds[options::IconChoices]{IDI_VANTRY, IDI_DOC1, IDI_DOC2, IDI_DOC3};

bool Checked(const SystemControl& box) { return SendMessageW(box.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Check(SystemControl& box, bool checked) {
    SendMessageW(box.hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
}  // namespace

OptionsWindow::OptionsWindow(WindowSet& windows, const OptionsServices& services)
    : Frame(windows), presenter_(*this, services) {}

OptionsWindow::~OptionsWindow() { destroy(); }

void OptionsWindow::load(HWND owner) {
    FrameArgs args;
    args.className = L"HLDSVantryOptions";
    args.title = options::Title;
    args.widthTwips = WidthTwips;
    args.heightTwips = HeightTwips;
    args.owner = owner;
    // Enter adds the map being typed, and is OK everywhere else.
    args.enter = {{{IdNewMap, IdAddMap}}, IdOk};
    if (!createFrame(args))
        return;
    createControls();
    presenter_.onLoad();
    if (!hwnd_)
        return;
    centre();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(lstGames_.hwnd());
}

void OptionsWindow::createControls() {
    const auto field = [this](TextField& control, int id, const Rect& place) {
        control.create(hwnd_, id, px(place.left), px(place.top), px(place.width));
        keepPlaced(control.hwnd(), place);
    };
    const auto button = [this](FlatButton& control, int id, const Rect& place, const char* caption,
                               void (OptionsPresenter::*step)()) {
        addButton(control, place, {.id = id, .caption = caption, .textColor = colour::Orange});
        control.onClick = [this, step] { (presenter_.*step)(); };
    };

    addLabel(lbServer_, ServerLabel, {.text = "HLDS:"});
    field(txtHLexe_, IdServerPath, ServerPlace);
    txtHLexe_.setLocked(true);
    button(cmdHLexe_, IdBrowseServer, BrowseServer, "...", &OptionsPresenter::onBrowseServer);
    addLabel(lbProgram_, ProgramLabel, {.text = "HLDS Vantry:"});
    field(txtHLDS_, IdProgramPath, ProgramPlace);
    txtHLDS_.setLocked(true);
    button(cmdHLDS_, IdBrowseProgram, BrowseProgram, "...", &OptionsPresenter::onBrowseProgram);

    addLabel(lbGames_, GamesNote, {.text = "Check the HL subdirectories that contain HL games or mods.", .wrap = true});
    const Rect games = px(GamesPlace);
    lstGames_.create(hwnd_, IdGames, games.left, games.top, games.width, games.height);
    keepPlaced(lstGames_.hwnd(), GamesPlace);
    lstGames_.onToggle = [this](int) { presenter_.onGameChecked(); };
    addLabel(lbDefault_, DefaultLabel, {.text = "Default Selection:"});
    addLabel(lblDefault_, DefaultPlace, {.id = IdDefault});
    button(cmdMakeDefault_, IdMakeDefault, MakeDefaultPlace, "Make Default", &OptionsPresenter::onMakeDefault);

    addLabel(lbGame_, GameLabel, {.text = "Game:"});
    cmbGame_.create(hwnd_, IdGame, px(GamePlace.left), px(GamePlace.top));
    keepPlaced(cmbGame_.hwnd(), GamePlace);
    cmbGame_.onClick = [this] { presenter_.onGameChange(); };
    cmbGame_.onKeyUp = [this](int&, int&) { presenter_.onGameChange(); };
    addLabel(lbMaps_, MapsLabel, {.text = "Maps:"});
    lstMaps_.create(hwnd_, IdMaps, px(MapsPlace), true);
    keepPlaced(lstMaps_.hwnd(), MapsPlace);
    field(txtNewMap_, IdNewMap, NewMapPlace);
    button(cmdAddMap_, IdAddMap, AddMapPlace, "Add Map", &OptionsPresenter::onAddMap);
    button(cmdDelMap_, IdDelMap, DelMapPlace, "Del Map", &OptionsPresenter::onDeleteMap);
    addLabel(lbMapNote_, MapNote,
             {.text = "Map lists save names of the maps in the pak files, so they may be used through-out HLDS "
                      "Vantry.",
              .wrap = true});

    for (int i = 0; i < 3; ++i) {
        // One group for the arrow keys, one tab stop for the group.
        const DWORD first = i == 0 ? WS_GROUP | WS_TABSTOP : 0;
        chkVis_[i].create(hwnd_, L"BUTTON", ShowInCaptions[i], BS_AUTORADIOBUTTON | first, IdTray + i,
                          px(ShowInPlaces[i]));
        keepPlaced(chkVis_[i].hwnd(), ShowInPlaces[i]);
        chkVis_[i].onCommand = [this](int code) {
            if (code == BN_CLICKED)
                presenter_.onShowInClick();
        };
    }
    const auto box = [this](SystemControl& control, int id, const Rect& place, const char* caption,
                            void (OptionsPresenter::*step)()) {
        control.create(hwnd_, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, id, px(place));
        keepPlaced(control.hwnd(), place);
        control.onCommand = [this, step](int code) {
            if (code == BN_CLICKED)
                (presenter_.*step)();
        };
    };
    box(chkAssoc_, IdAssociate, AssociatePlace, "Associate HLDS Vantry with '.CFG' Files",
        &OptionsPresenter::onAssociationClick);
    box(chkReg_, IdRegister, RegisterPlace, "Register on HLDS Vantry Startup", &OptionsPresenter::onRegisterClick);

    const int iconSize = px(IconPlace.width);
    for (int i = 0; i < options::IconChoices; ++i)
        icons_[i].reset(static_cast<HICON>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(IconIds[i]), IMAGE_ICON, iconSize, iconSize, 0)));
    addButton(cmdDel_, PreviousIconPlace, {.id = IdPreviousIcon, .caption = "Previous Icon", .picture = "ARROWL"});
    cmdDel_.onClick = [this] { presenter_.onPreviousIcon(); };
    addLabel(imIcon_, IconPlace, {.id = IdIcon, .text = "Document Icon", .icon = icons_[0].get()});
    addButton(cmdAdd_, NextIconPlace, {.id = IdNextIcon, .caption = "Next Icon", .picture = "ARROWR"});
    cmdAdd_.onClick = [this] { presenter_.onNextIcon(); };

    button(cmdOk_, IdOk, OkPlace, "OK", &OptionsPresenter::onOk);
    button(cmdCancel_, IdCancel, CancelPlace, "&Cancel", &OptionsPresenter::onCancel);
    button(cmdApply_, IdApply, ApplyPlace, "&Apply", &OptionsPresenter::onApply);

    // The group boxes come last, under every control they hold.
    const auto frame = [this](SystemControl& control, const Rect& place, const char* caption) {
        // Clicks fall through a group box to the window, which drags.
        control.create(hwnd_, L"BUTTON", caption, BS_GROUPBOX | WS_CLIPSIBLINGS, IdFrames, px(place));
        keepPlaced(control.hwnd(), place);
    };
    frame(frLocations_, LocationsFrame, "File Locations");
    frame(frGames_, GamesFrame, "Games");
    frame(frMaps_, MapsFrame, "Maps");
    frame(frShowIn_, ShowInFrame, "Show HLDS Vantry In:");
    frame(frCfg_, CfgFrame, "CFG Editor");

    // Screen readers name the fields, lists and selectors by their labels; the
    // new map's field, which has none, by what it holds.
    txtHLexe_.setLabel(lbServer_.text());
    txtHLDS_.setLabel(lbProgram_.text());
    lstGames_.setLabel(lbGames_.text());
    cmbGame_.setLabel(lbGame_.text());
    txtNewMap_.setLabel("New Map:");
}

int OptionsWindow::showIn() {
    for (int i = 0; i < 3; ++i)
        if (Checked(chkVis_[i]))
            return i;
    return -1;
}

void OptionsWindow::setShowIn(int mode) {
    for (int i = 0; i < 3; ++i)
        Check(chkVis_[i], i == mode);
}

bool OptionsWindow::associated() { return Checked(chkAssoc_); }

void OptionsWindow::setAssociated(bool checked) { Check(chkAssoc_, checked); }

bool OptionsWindow::registerOnStart() { return Checked(chkReg_); }

void OptionsWindow::setRegisterOnStart(bool enabled, bool checked) {
    EnableWindow(chkReg_.hwnd(), enabled);
    Check(chkReg_, checked);
}

namespace {
void Enable(FlatButton& button, bool enabled, HWND fallbackFocus, EnabledLook look = EnabledLook::WhiteOrBlack) {
    if (!enabled && GetFocus() == button.hwnd())
        SetFocus(fallbackFocus);  // a disabled button would leave the keyboard nowhere
    button.showEnabled(enabled, look);
}
}  // namespace

void OptionsWindow::setMapListEnabled(bool enabled) {
    EnableWindow(lstMaps_.hwnd(), enabled);
    txtNewMap_.setEnabled(enabled);
    Enable(cmdAddMap_, enabled, cmbGame_.hwnd(), EnabledLook::OrangeOrDim);
    Enable(cmdDelMap_, enabled, cmbGame_.hwnd(), EnabledLook::OrangeOrDim);
}

void OptionsWindow::setGameListEnabled(bool enabled) {
    EnableWindow(lstGames_.hwnd(), enabled);
    Enable(cmdMakeDefault_, enabled, cmdOk_.hwnd(), EnabledLook::OrangeOrDim);
}

void OptionsWindow::setIconButtons(bool nextEnabled, bool previousEnabled) {
    Enable(cmdAdd_, nextEnabled, chkAssoc_.hwnd());
    Enable(cmdDel_, previousEnabled, chkAssoc_.hwnd());
    cmdAdd_.setPicture(nextEnabled ? "ARROWR" : "ARROWRD");
    cmdDel_.setPicture(previousEnabled ? "ARROWL" : "ARROWLD");
}

void OptionsWindow::showIcon(int choice) { imIcon_.setIcon(icons_[choice - 1].get()); }

void OptionsWindow::setApplyEnabled(bool enabled) { Enable(cmdApply_, enabled, cmdOk_.hwnd()); }

void OptionsWindow::close() {
    if (onClosed)
        onClosed();
    else
        unload();
}

void OptionsWindow::showMainWindowAgain() {
    if (onShowInChanged)
        onShowInChanged();
}

ShownSelectors OptionsWindow::shownSelectors() {
    // The window is modal over the main window, so no other tool window can be
    // open beside it.
    return {.frmOptions = {hwnd_, &cmbGame_}};
}

void OptionsWindow::endProgramNow() {
    if (onEndProgramNow)
        onEndProgramNow();
}

void OptionsWindow::unload() {
    if (!hwnd_)
        return;
    presenter_.onUnload();
    Frame::unload();
}

}  // namespace vantry::win
