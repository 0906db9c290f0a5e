#pragma once

#include "model/SettingsRecord.h"

#include <span>

namespace tq58 {

// Reordering a directory: its entries in use stay entries 1 to the used count, with no free
// entry between them.

// Swaps the entry in use with the one above (by = -1) or below (by = 1); false when that
// neighbour is not in use.
bool MoveEntry(std::span<DirectoryRecord> entries, int index, int by);

// Opens an entry in use, without name and MMSI, before the entry in use at index (or at the
// first free entry); the entries from there move down. False when every entry is in use or
// index lies beyond the first free entry.
bool InsertEntry(std::span<DirectoryRecord> entries, int index);

} // namespace tq58
