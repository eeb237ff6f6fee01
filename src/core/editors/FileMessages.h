#pragma once

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
inline constexpr char EncodingTitle[] = "Save File";
inline constexpr char EncodingQuestion[] =
    "This text holds characters that the file's encoding cannot store. Save it as UTF-8?";
inline constexpr unsigned EncodingStyle = mb::YesNo | mb::Question;
}  // namespace filemessages

// What every window that reads or saves a user's file says when the file
// could not be read ("Error Loading File"), or the save did not reach the
// disk and the old file is as it was ("Error Saving File").
void ShowLoadError(MessageBoxes& boxes, WindowHandle owner, const std::string& path);
void ShowSaveError(MessageBoxes& boxes, WindowHandle owner, const std::string& path);

// The bytes that save a text read in `encoding`. Where a character has no
// place in that encoding, the user is asked whether to save as UTF-8; Yes
// gives the UTF-8 bytes and makes that the encoding, No gives nothing: a
// save that did not happen.
std::optional<std::string> BytesToSave(FileSystem& fs, MessageBoxes& boxes, WindowHandle owner,
                                       const std::string& text, FileEncoding& encoding);

}  // namespace vantry
