#pragma once

#include <optional>
#include <string>

namespace vantry {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // The clipboard's text; the empty text when it holds none, nothing when
    // it could not be had (another program holds it).
    virtual std::optional<std::string> text() = 0;
    // False when the clipboard could not be had (another program holds it).
    virtual bool setText(const std::string& text) = 0;
};

}  // namespace vantry
