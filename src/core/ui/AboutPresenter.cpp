#include "core/ui/AboutPresenter.h"

#include "core/startup/StartUp.h"

namespace vantry {

namespace about {

const std::array<Label, LabelCount>& Labels() {
    static const std::array<Label, LabelCount> labels{{
        {{0, 0, 0, 0}, std::string("About ") + ProgramTitle},
        {{840, 540, 3100, 300}, ProgramTitle, nullptr, 10, true},
        {{240, 1140, 3700, 240}, ReportText},
        {{240, 1440, 3700, 480}, QuestionsText, nullptr, 8, false, true},
        {{240, 2040, 3700, 240}, CommandsFromText},
        {{240, 2280, 3700, 240}, CommandCenterText},
        {{240, 3300, 3700, 420}, OwnershipText, nullptr, 8, false, true},  // room for two lines
        {{0, 1140, 700, 240}, ReportLinkText, ReportAddress},              // placed over the gap at load
        {{240, 2520, 3700, 240}, CommandsLinkText, CommandsAddress},
        {{240, 2760, 3700, 240}, MailLinkText, MailAddress},
        {{240, 3000, 3700, 240}, HomeLinkText, HomeAddress},
    }};
    return labels;
}

}  // namespace about

void AboutPresenter::showSplash(bool splash) {
    splash_ = splash;
    view_.showSplashView(splash);
}

void AboutPresenter::onLoad() {
    for (int label = 0; label < about::LabelCount; ++label)
        view_.setLabelText(label, about::Labels()[label].text);
    showSplash(true);
    view_.setSplashClickable(false);
    view_.showCentredOnTop();
    view_.startSplashTimer(about::SplashMilliseconds);
}

void AboutPresenter::onSplashElapsed() {
    showSplash(false);
    view_.setSplashClickable(true);
}

void AboutPresenter::onSplashClick() {
    if (splash_)
        showSplash(false);
}

void AboutPresenter::onImageClick() { showSplash(true); }

void AboutPresenter::onLinkClick(int label) {
    if (about::IsLinkLabel(label))
        shell_.execute(view_.windowHandle(), "Open", about::Labels()[label].address, "", "", ShowNormal);
}

}  // namespace vantry
