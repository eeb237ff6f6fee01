#include "core/ui/AboutPresenter.h"

#include "core/startup/StartUp.h"

namespace vantry {

namespace about {
namespace {

// The address opened by a click on a link label (7 to 10); empty for any other.
std::string LinkAddress(int label) {
    switch (label) {
    case 7:
        return ReportAddress;
    case 8:
        return CommandsAddress;
    case 9:
        return MailAddress;
    case 10:
        return HomeAddress;
    default:
        return {};
    }
}

// The text shown by label 0 to 10 at load.
std::string LabelText(int label) {
    switch (label) {
    case 0:
        return std::string("About ") + ProgramTitle;
    case 1:
        return ProgramTitle;
    case 2:
        return ReportText;
    case 3:
        return QuestionsText;
    case 4:
        return CommandsFromText;
    case 5:
        return CommandCenterText;
    case 6:
        return OwnershipText;
    case 7:
        return ReportLinkText;
    case 8:
        return CommandsLinkText;
    case 9:
        return MailLinkText;
    case 10:
        return HomeLinkText;
    default:
        return {};
    }
}

}  // namespace
}  // namespace about

void AboutPresenter::showSplash(bool splash) {
    splash_ = splash;
    view_.showSplashView(splash);
}

void AboutPresenter::onLoad() {
    for (int label = 0; label <= 10; ++label)
        view_.setLabelText(label, about::LabelText(label));
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
    const std::string address = about::LinkAddress(label);
    if (!address.empty())
        shell_.execute(view_.windowHandle(), "Open", address, "", "", ShowNormal);
}

}  // namespace vantry
