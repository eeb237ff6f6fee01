#pragma once

#include <array>
#include <string>

#include "core/platform/Shell.h"
#include "core/platform/WindowHandle.h"
#include "core/ui/Geometry.h"

namespace vantry {

// Everything the About box says and links to, in one place.
namespace about {
inline constexpr char ReportLinkText[] = "report";  // label 7, inside the gap of label 2
inline constexpr char ReportText[] = "Please             any bugs you may find.";
inline constexpr char QuestionsText[] =
    "Also feel free to send me any questions, comments or suggestions.";
inline constexpr char CommandsFromText[] = "Commands for CFG Editor gathered from:";
inline constexpr char CommandCenterText[] = "Command Center";
inline constexpr char OwnershipText[] =
    "Copyright (C) 2026 the HLDS Vantry project.";

inline constexpr char ReportAddress[] = "https://vantry.example.org/report";
inline constexpr char CommandsAddress[] = "https://vantry.example.org/commands";
inline constexpr char MailAddress[] = "mailto:team@vantry.example.org";
inline constexpr char HomeAddress[] = "https://vantry.example.org/";

inline constexpr char CommandsLinkText[] = "vantry.example.org/commands";  // label 8
inline constexpr char MailLinkText[] = "team@vantry.example.org";         // label 9
inline constexpr char HomeLinkText[] = "vantry.example.org";              // label 10

// One of the box's labels: where it sits, what it shows, and for a link the
// address it opens; a link never drags the box.
struct Label {
    Rect place;  // in twips
    std::string text;
    const char* address = nullptr;
    int pointSize = 8;
    bool bold = false;
    bool wrap = false;
};
inline constexpr int LabelCount = 11;
// Label 0 is the frame's own title, label 7 the link placed over the gap in label 2.
const std::array<Label, LabelCount>& Labels();
inline bool IsLinkLabel(int label) { return label >= 0 && label < LabelCount && Labels()[label].address; }

inline constexpr int SplashMilliseconds = 2000;
inline constexpr int WidthTwips = 4155;
inline constexpr int HeightTwips = 4125;
}  // namespace about

class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void setLabelText(int label, const std::string& text) = 0;
    // The splash (pic1, pic2) or the information (labels, title panel).
    virtual void showSplashView(bool splash) = 0;
    // While the splash may not be dismissed, clicks on it go nowhere.
    virtual void setSplashClickable(bool clickable) = 0;
    // Centres, makes topmost and shows the box.
    virtual void showCentredOnTop() = 0;
    // onSplashElapsed follows once, after this long.
    virtual void startSplashTimer(int milliseconds) = 0;
    virtual WindowHandle windowHandle() = 0;
};

// The About box's behaviour: a splash for two seconds, during which clicks on
// it go nowhere, then the information; the icon brings the splash back, a
// click on it dismisses it again.
class AboutPresenter {
public:
    AboutPresenter(AboutView& view, Shell& shell) : view_(view), shell_(shell) {}

    void onLoad();
    void onSplashElapsed();
    void onSplashClick();
    void onImageClick();
    void onLinkClick(int label);

    bool splashShown() const { return splash_; }

private:
    void showSplash(bool splash);

    AboutView& view_;
    Shell& shell_;
    bool splash_ = false;
};

}  // namespace vantry
