#pragma once

#include <string>

#include "core/platform/WindowHandle.h"

namespace vantry {

// The standard open and save dialogs. The filter is a "|" list of description and
// pattern pairs ("CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*"). The result is the
// chosen full path, or the empty text for a cancel or any failure.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::string showOpen(WindowHandle owner, const std::string& filter,
                                 const std::string& title, const std::string& initialDir) = 0;
    virtual std::string showSave(WindowHandle owner, const std::string& filter,
                                 const std::string& title, const std::string& initialDir) = 0;
};

}  // namespace vantry
