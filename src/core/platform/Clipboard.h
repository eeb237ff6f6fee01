#pragma once

#include <string>

namespace vantry {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual std::string text() = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace vantry
