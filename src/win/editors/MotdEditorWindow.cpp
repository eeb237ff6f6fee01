#include "win/editors/MotdEditorWindow.h"

#include "core/ui/Sizes.h"

namespace vantry::win {

namespace {
constexpr int WidthTwips = 5700, HeightTwips = 4800;
constexpr GameFileLayout Layout{
    L"HLDSVantryMotdEditor", motd::Title, WidthTwips, HeightTwips,
    {150, 435, 600, 240}, {810, 390, layout::GameListWidth, layout::GameListHeight},
    {150, HeightTwips - 510, 1890, 360}, {WidthTwips - 2040, HeightTwips - 510, 1890, 360}};
constexpr Rect TextLabel{150, 825, 3000, 240}, TextPlace{150, 1080, WidthTwips - 300, HeightTwips - 1740};
}  // namespace

MotdEditorWindow::MotdEditorWindow(WindowSet& windows, const GameFileServices& services)
    : GameFileWindow(windows, presenter_, Layout), presenter_(*this, services) {}

MotdEditorWindow::~MotdEditorWindow() { destroy(); }

void MotdEditorWindow::createDocumentControls() {
    addLabel(lbText_, TextLabel, {.text = motd::TextCaption});
    // No scroll bars: the message is short, and the caret scrolls the rest into view.
    txtMOTD_.create(hwnd_, L"EDIT", "",
                    WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                    IdDocument, px(TextPlace));
    keepPlaced(txtMOTD_.hwnd(), TextPlace);
    SendMessageW(txtMOTD_.hwnd(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    txtMOTD_.onCommand = [this](int code) {
        if (code == EN_CHANGE)
            presenter_.onTextChanged();
    };
}

}  // namespace vantry::win
