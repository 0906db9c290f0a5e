#pragma once

#include <filesystem>
#include <string>

namespace tq58 {

// The system calls of saving. Each write returns 0 or the system's error number.

// Makes a new file (never an existing one: EEXIST then) with the bytes and flushes it to the
// disk, so that a rename of it cannot outlive its contents after a power loss. A file that
// could not be written whole is removed again.
int WriteNewFileToDisk(const std::filesystem::path& path, const std::string& bytes);

// Writes into an existing device or named pipe, as a shell redirection would.
int WriteIntoStream(const std::filesystem::path& path, const std::string& bytes);

// Flushes the folder's entries to the disk, so that a rename in it survives a power loss.
void SyncFolder(const std::filesystem::path& folder);

long long CurrentProcessId();
// False once the process has ended; a process of another user still runs.
bool ProcessRuns(long long processId);

} // namespace tq58
