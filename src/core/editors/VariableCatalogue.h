#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ui/MenuModel.h"

namespace vantry {

// The menu of the Insert button that holds a variable's entry.
enum class VariableMenu { Common, CommonMp, CommonSv, CommonTeam, Tfc };

// A server variable the CFG editor can insert: its menu caption, the setting
// line with its default value and the comment line that explains it.
struct ServerVariable {
    VariableMenu menu;
    std::string_view caption;
    std::string_view valueLine;
    std::string_view commentLine;
};

inline constexpr int VariableCount = 74;

// Row `index` of the catalogue, counted from 0 in menu order; throws
// std::out_of_range outside it.
const ServerVariable& VariableAt(int index);

// "Common Server Variables" and "TFC Server Variables", with row i answering
// firstCommand + i. The "Map Name" sub-menu is the editor's to put in front.
Menu VariableMenus(int firstCommand);

// Opens with a line end so the block starts on a line of its own, and closes
// with an empty line to keep it apart from whatever follows.
std::string InsertedBlock(std::string_view valueLine, std::string_view commentLine);

// Where an inserted block goes: it replaces `replaced` characters from `start`.
struct Placement {
    std::size_t start;
    std::size_t replaced;
};

// A selection is replaced. A caret goes below its own line, so that line is
// never split, except on the last line, where the block goes at the caret.
// Lines are separated by CR LF; a position between CR and LF still belongs to
// the line before. Positions past the end of the text are taken as its end.
Placement PlaceInsertedBlock(std::string_view text, std::size_t selStart, std::size_t selLength);

}  // namespace vantry
