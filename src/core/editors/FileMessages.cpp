#include "core/editors/FileMessages.h"

#include <functional>
#include <string_view>

#include "core/text/Paths.h"

namespace vantry {

namespace filemessages {
namespace {
std::string ChangedQuestion(const std::string& path) {
    std::string question(1, '\'');
    question += FileNameOf(path);
    question += "' has been changed by another program since it was opened. Replace it with this text?";
    return question;
}
}  // namespace
}  // namespace filemessages

void ShowLoadError(MessageBoxes& boxes, WindowHandle owner, const std::string& path) {
    boxes.show(owner, "Error loading file '" + path + "'", filemessages::LoadErrorTitle, filemessages::ErrorStyle);
}

void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path) {
    boxes.show(owner, "Error saving file '" + path + "'", filemessages::SaveErrorTitle, filemessages::ErrorStyle);
}

FileSeen Seen(const std::optional<std::string>& bytes) {
    if (!bytes)
        return {};
    return {true, bytes->size(), std::hash<std::string_view>{}(*bytes)};
}

bool SaveText(FileSystem& fs, MessageBoxes& boxes, WindowHandle owner, const std::string& path,
              const std::string& text, FileEncoding& encoding, FileSeen& seen, bool checkSeen) {
    using namespace filemessages;
    // A file that cannot be read now cannot be compared: the write says
    // whether it can be replaced.
    if (checkSeen) {
        const auto now = fs.readFile(path);
        if (now && Seen(now) != seen &&
            boxes.show(owner, ChangedQuestion(path), SaveTitle, ChangedStyle) != mb::Yes)
            return false;
    }
    auto bytes = EncodeFileText(fs, text, encoding);
    if (!bytes) {
        if (boxes.show(owner, EncodingQuestion, SaveTitle, EncodingStyle) != mb::Yes)
            return false;
        encoding = FileEncoding::Utf8;
        bytes = text;
    }
    if (!fs.writeFile(path, *bytes)) {
        ShowSaveError(boxes, owner, path);
        return false;
    }
    seen = Seen(bytes);
    return true;
}

}  // namespace vantry
