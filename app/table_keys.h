#pragma once

#include <stdexcept>
#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// A table or row name that does not exist, or a value no cell may hold.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Sets a value cell from "TABLE.KEY=TEXT": TABLE is main, screw, tabslot, spiral or
// bobbin; KEY is the row number or the row's symbol (main.W, spiral.Fi). The text
// is stored as typed and converted only when a command reads it; a text with a line
// break or another control character is refused.
void assignTableValue(Workbench& wb, std::string_view assignment);

}  // namespace tessaro
