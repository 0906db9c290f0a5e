#pragma once

#include <filesystem>

namespace tq58 {

// A save writes "NAME.tq58-PID-N.tmp" beside its target and renames it over the target. The
// process id in the name tells the leftovers of a process that was killed before its rename
// from a save that is still running.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// Removes the temporary files of earlier saves to target whose process no longer runs.
void RemoveStaleTemporaries(const std::filesystem::path& target);

} // namespace tq58
