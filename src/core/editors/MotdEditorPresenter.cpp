#include "core/editors/MotdEditorPresenter.h"

#include "core/text/TextFile.h"

namespace vantry {

bool MotdEditorPresenter::read(const std::string& game) {
    const std::string path = pathOf(game);
    // Created only where nothing of that name is: a hidden or system motd.txt
    // is the user's file all the same.
    if (!s_.catalogue.fs.attributes(path)) {
        view_.setText("");
        createEmpty();
        return true;
    }
    const auto text = readText(path);
    view_.setText(text ? DocumentText(*text) : std::string());
    return text.has_value();
}

std::string MotdEditorPresenter::fileText() { return DocumentBytes(view_.text()); }

}  // namespace vantry
