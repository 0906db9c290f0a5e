#pragma once

#include "editor/CsvLists.h"
#include "editor/RecordChanges.h"
#include "editor/StepName.h"
#include "model/ChannelFields.h"

namespace tq58 {

// The name of an edit's changes.
struct ChangeName {
    StepName Name;       // "EXP3 Rx frequency", "Individual entry 2", "3 channels"
    bool Typing = false; // one text field, typed a character at a time
};

// The name of the changes an edit made: the part and, when only one field of it changed,
// the field; several parts are counted.
ChangeName NameChanges(const RecordChanges& changes);

enum class RowsCommand { Import, Paste };

// "Import 12 directory entries", "Paste 5 channels": a command on rows of a list.
StepName RowsStepName(RowsCommand command, CsvList list, int rows);

// "Scan Memory on for 5 channels": a flag set for channel rows at once.
StepName RowFlagStepName(ChannelField flag, bool on, int channels);

enum class OrderCommand { MoveUp, MoveDown, Insert, Delete };

// "Move individual entry 3 up", "Delete group entry 2": a directory entry moved, inserted or
// deleted; index counts from 0.
StepName OrderStepName(OrderCommand command, bool groupDirectory, int index);

} // namespace tq58
