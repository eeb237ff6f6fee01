#pragma once

#include <string>

namespace vantry {

// How the system names a window's unsaved work while the end of the session
// waits for it: "Unsaved changes in server.cfg", after what the title shows.
inline std::string UnsavedChangesIn(const std::string& name) { return "Unsaved changes in " + name; }

// What a window holding the user's unsaved work does for the guard.
class SessionEndView {
public:
    virtual ~SessionEndView() = default;
    // Where the system lists why the session cannot end yet, it lists this;
    // elsewhere nothing happens.
    virtual void nameBlockReason(const std::string& reason) = 0;
    virtual void dropBlockReason() = 0;
    // A turn to ask the close question, once the system has had its answer:
    // asked inside the system's question, it would hold the whole session up.
    virtual void requestAskTurn() = 0;
};

// A log-off or shut-down that would lose a window's unsaved work: the window
// refuses it, names the work, and then asks its own close question, whose
// answer does what closing the window does; the user then ends the session
// again. However often the system asks meanwhile, the question comes once. A
// session that ends all the same asks nothing more, so nothing is written.
class SessionEndGuard {
public:
    explicit SessionEndGuard(SessionEndView& view) : view_(view) {}

    // The system's question. `work` names the unsaved work, empty for none.
    // True lets the session end.
    bool onQueryEndSession(const std::string& work);
    // The turn that was asked for. True: the window asks its close question
    // now, then says onAsked. A window busy with a question or dialog of its
    // own waits until it is free.
    bool onAskTurn(bool windowFree, const std::string& work);
    void onAsked();
    // A question or dialog of the window's own has gone.
    void onWindowFree();
    // Saved, discarded, renamed: the system is told of the work as it stands.
    void onWorkChanged(const std::string& work);
    // The system's outcome: true, the session ends all the same.
    void onEndSession(bool ending);
    void onWindowGone();

private:
    enum class Question { None, Due, Up };

    SessionEndView& view_;
    std::string reason_;  // as the system was told it; empty for none
    Question question_ = Question::None;
    bool ending_ = false;
};

}  // namespace vantry
