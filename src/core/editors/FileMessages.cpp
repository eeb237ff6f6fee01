#include "core/editors/FileMessages.h"

namespace vantry {

void ShowLoadError(MessageBoxes& boxes, WindowHandle owner, const std::string& path) {
    boxes.show(owner, "Error loading file '" + path + "'", filemessages::LoadErrorTitle, filemessages::ErrorStyle);
}

void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path) {
    boxes.show(owner, "Error saving file '" + path + "'", filemessages::SaveErrorTitle, filemessages::ErrorStyle);
}

std::optional<std::string> BytesToSave(FileSystem& fs, MessageBoxes& boxes, WindowHandle owner,
                                       const std::string& text, FileEncoding& encoding) {
    if (auto bytes = EncodeFileText(fs, text, encoding))
        return bytes;
    if (boxes.show(owner, filemessages::EncodingQuestion, filemessages::EncodingTitle,
                   filemessages::EncodingStyle) != mb::Yes)
        return std::nullopt;
    encoding = FileEncoding::Utf8;
    return text;
}

}  // namespace vantry
