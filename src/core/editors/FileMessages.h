#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/platform/FileSystem.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/WindowHandle.h"
#include "core/text/TextFile.h"

namespace vantry {

namespace filemessages {
inline constexpr char LoadErrorTitle[] = "Error Loading File";
inline constexpr char SaveErrorTitle[] = "Error Saving File";
inline constexpr unsigned ErrorStyle = mb::OkOnly | mb::Information;
inline constexpr char SaveTitle[] = "Save File";
inline constexpr char EncodingQuestion[] =
    "This text holds characters that the file's encoding cannot store. Save it as UTF-8?";
inline constexpr unsigned EncodingStyle = mb::YesNo | mb::Question;
inline constexpr unsigned ChangedStyle = mb::YesNo | mb::Exclamation;
}  // namespace filemessages

// What every window that reads or saves a user's file says when the file
// could not be read ("Error Loading File"), or the save did not reach the
// disk and the old file is as it was ("Error Saving File").
void ShowLoadError(MessageBoxes& boxes, WindowHandle owner, const std::string& path);
void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path);

// What a file held when an editor last read or wrote it: enough to tell
// whether another program has written it since.
struct FileSeen {
    bool exists = false;
    std::size_t size = 0;
    std::size_t hash = 0;
    bool operator==(const FileSeen&) const = default;
};
FileSeen Seen(const std::optional<std::string>& bytes);

// An editor's save of its text, read in `encoding`, to the file. Where the
// file changed since `seen` (checked only when asked: the file the editor
// read), the user is asked whether to replace it; where a character has no
// place in the encoding, whether to save as UTF-8 (Yes makes that the
// encoding). No to either is a save that did not happen; a write that fails
// says so. True once the bytes are on disk, and `seen` then holds them.
bool SaveText(FileSystem& fs, MessageBoxes& boxes, WindowHandle owner, const std::string& path,
              const std::string& text, FileEncoding& encoding, FileSeen& seen, bool checkSeen);

}  // namespace vantry
