#include "servers/LauncherForm.h"

#include "ui/Look.h"

namespace vantry::win {

namespace {
struct Place {
    int left, top, width, height;  // twips
};
constexpr int WidthTwips = 4200, HeightTwips = 3120;
constexpr Place GameLabel{150, 495, 1600, 240}, GamePlace{2100, 450, 1940, 300};
constexpr Place MapLabel{150, 915, 1600, 240}, MapPlace{2100, 870, 1940, 300};
constexpr Place PortLabel{150, 1335, 1600, 240}, PortPlace{2100, 1290, 1000, 310};
constexpr Place ParamsLabel{150, 1740, 3000, 240}, ParamsPlace{150, 1995, 3900, 310};
constexpr Place StartPlace{150, 2550, 1890, 360}, CancelPlace{2160, 2550, 1890, 360};
}  // namespace

LauncherForm::LauncherForm(WindowSet& windows, const LauncherServices& services)
    : Frame(windows), presenter_(*this, services) {}

LauncherForm::~LauncherForm() { destroy(); }

LauncherOutcome LauncherForm::load(HWND owner) {
    FrameArgs args;
    args.className = "HLDSVantryLauncher";
    args.title = launcher::Title;
    args.widthTwips = WidthTwips;
    args.heightTwips = HeightTwips;
    args.owner = owner;
    args.trayExitCaption = "E&xit";
    if (!createFrame(args))
        return LauncherOutcome::Close;
    createControls();
    const LauncherOutcome outcome = presenter_.onLoad();
    if (outcome == LauncherOutcome::StayOpen) {
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        SetFocus(cmdStart_.hwnd());
    }
    return outcome;
}

void LauncherForm::createControls() {
    auto label = [this](Label& l, const Place& p, const char* text) {
        LabelArgs a;
        a.text = text;
        a.x = px(p.left);
        a.y = px(p.top);
        a.width = px(p.width);
        a.height = px(p.height);
        l.create(hwnd_, a);
        dragBy(l);
    };
    label(lbGame_, GameLabel, "Game:");
    label(lbMap_, MapLabel, "Mapname:");
    label(lbPort_, PortLabel, "Port:");
    label(lbParams_, ParamsLabel, "Additional Parameters:");

    cmbGame_.create(hwnd_, IdGame, px(GamePlace.left), px(GamePlace.top));
    cmbGame_.onClick = [this] { presenter_.onGameClick(); };
    lstMaps_.create(hwnd_, IdMaps, px(MapPlace.left), px(MapPlace.top));
    txtPort_.create(hwnd_, IdPort, px(PortPlace.left), px(PortPlace.top), px(PortPlace.width));
    txtPort_.onKeyPress = [](int& ch) {
        if (!PortFieldAccepts(ch))
            ch = 0;
    };
    txtCmmndLine_.create(hwnd_, IdParams, px(ParamsPlace.left), px(ParamsPlace.top),
                         px(ParamsPlace.width));

    auto button = [this](FlatButton& b, int id, const Place& p, const char* caption) {
        FlatButtonArgs a;
        a.id = id;
        a.caption = caption;
        a.x = px(p.left);
        a.y = px(p.top);
        a.width = px(p.width);
        a.height = px(p.height);
        b.create(hwnd_, a);
    };
    button(cmdStart_, IdStart, StartPlace, "&Start");
    button(cmdCancel_, IdCancel, CancelPlace, "&Cancel");
    cmdStart_.onClick = [this] { finish(presenter_.onStart()); };
    cmdCancel_.onClick = [this] { onExit(); };
}

void LauncherForm::insertNoMapEntry() {
    lstMaps_.addItem("", 0);
    lstMaps_.setListIndex(0);
}

void LauncherForm::setStartEnabled(bool enabled) {
    cmdStart_.setTextColor(enabled ? colour::White : colour::Black);
    cmdStart_.setEnabled(enabled);
}

void LauncherForm::finish(LauncherOutcome outcome) {
    if (outcome != LauncherOutcome::StayOpen && onFinished)
        onFinished(outcome);
}

}  // namespace vantry::win
