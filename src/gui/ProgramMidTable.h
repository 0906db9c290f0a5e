#pragma once

#include "editor/MidTable.h"

namespace tq58 {

// The table of MIDs in the running program's folder, read on first use. A table that cannot
// be read is empty: the pages then check the shape of a number, not its country.
const MidTable& ProgramMidTable();

} // namespace tq58
