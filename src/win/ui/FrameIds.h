#pragma once

namespace vantry::win::frame {

// The ids of the caption's controls that every framed window has, stable for
// keyboard navigation and for tests that drive the program from outside.
enum : int { IdTitle = 1000, IdExit, IdMinimize, IdHelp };

}  // namespace vantry::win::frame
