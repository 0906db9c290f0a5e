#pragma once

#include <string>
#include <vector>

namespace tq58::cli {

// One function per verb; each takes the words after the verb and returns the exit status.
int RunNew(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunRead(const std::vector<std::string>& args);
int RunProgram(const std::vector<std::string>& args);
int RunClearLog(const std::vector<std::string>& args);
int RunExportCsv(const std::vector<std::string>& args);
int RunImportCsv(const std::vector<std::string>& args);
int RunDiff(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);

// What "new --help" adds: the destinations of each model in the program folder.
std::string DestinationsHelp();

} // namespace tq58::cli
