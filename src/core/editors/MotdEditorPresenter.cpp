#include "core/editors/MotdEditorPresenter.h"

#include "core/text/TextFile.h"

namespace vantry {

void MotdEditorPresenter::read(const std::string& game) {
    const std::string path = pathOf(game);
    // Created only where nothing of that name is: a hidden or system motd.txt
    // is the user's file all the same.
    if (!s_.catalogue.fs.attributes(path)) {
        view_.setText("");
        write();
        return;
    }
    // Unreadable (locked or denied), or holding a NUL byte, at which the text
    // box would end its text and show a cut-off copy: an empty text, and the
    // file is left alone.
    const auto bytes = s_.catalogue.fs.readFile(path);
    const bool readable = bytes && bytes->find('\0') == std::string::npos;
    view_.setText(readable ? DocumentText(*bytes) : std::string());
}

std::string MotdEditorPresenter::fileBytes() { return DocumentBytes(view_.text()); }

}  // namespace vantry
