#include "core/ui/SessionEndGuard.h"

namespace vantry {

bool SessionEndGuard::onQueryEndSession(const std::string& work) {
    // Whatever the window last said, the answer goes by the work as it is now.
    onWorkChanged(work);
    if (work.empty())
        return true;
    if (reason_.empty()) {
        reason_ = work;
        view_.nameBlockReason(reason_);
    }
    if (question_ == Question::None) {
        question_ = Question::Due;
        view_.requestAskTurn();
    }
    return false;
}

bool SessionEndGuard::onAskTurn(bool windowFree, const std::string& work) {
    if (question_ != Question::Due || ending_)
        return false;
    // Saved or discarded meanwhile: closing now would close a window the user
    // is still working in.
    if (work.empty()) {
        question_ = Question::None;
        return false;
    }
    if (!windowFree)
        return false;
    question_ = Question::Up;
    return true;
}

void SessionEndGuard::onAsked() { question_ = Question::None; }

void SessionEndGuard::onWindowFree() {
    if (question_ == Question::Due && !ending_)
        view_.requestAskTurn();
}

void SessionEndGuard::onWorkChanged(const std::string& work) {
    if (reason_.empty() || work == reason_)
        return;
    reason_ = work;
    if (work.empty())
        view_.dropBlockReason();
    else
        view_.nameBlockReason(work);
}

void SessionEndGuard::onEndSession(bool ending) {
    if (ending)
        ending_ = true;
}

void SessionEndGuard::onWindowGone() {
    question_ = Question::None;
    onWorkChanged({});
}

}  // namespace vantry
