#pragma once

#include "editor/CsvLists.h"
#include "editor/RecordChanges.h"

#include <string>

namespace tq58 {

// A history step's name as the Edit menu shows it after "Undo " or "Redo ".
struct ChangeName {
    std::string Name;    // "EXP3 Rx frequency", "Individual entry 2", "3 channels"
    bool Typing = false; // one text field, typed a character at a time
};

// The name of the changes an edit made: the part and, when only one field of it changed,
// the field; several parts are counted.
ChangeName NameChanges(const RecordChanges& changes);

// "Import 12 directory entries", "Paste 5 channels": a command on rows of a list.
std::string RowsStepName(const std::string& verb, CsvList list, int rows);

} // namespace tq58
