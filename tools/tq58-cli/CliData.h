#pragma once

#include "CliArgs.h"
#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/RadioData.h"

#include <optional>
#include <string>

namespace tq58::cli {

// The folder of global.ini and the default images: --program-folder (which a verb lists among
// its value options), else the program's own, as the window finds it.
std::string ProgramFolder(const CliArgs& args);

// The --model option (a name or a code): modelType stays absent when the option is not
// given; the result is an error text when it names no model.
std::optional<std::string> ReadModelOption(const CliArgs& args, std::optional<int>& modelType);

// The model as the program would select it: name from the catalogue, ATIS and scrambler
// from the program folder's global.ini section of the model. A global.ini that cannot tell
// them is a failure: no output is written and no radio programmed without them.
Outcome ModelFor(int modelType, const std::string& programFolder, ModelState& model);

// Loads a .dat or .hex file as the program loads it. The model comes from the file (a .dat's
// MODELTYPE, a .hex's image model code) unless modelOverride names one. A failure carries
// the program's message, and data and model are untouched.
Outcome LoadInput(const std::string& path, const std::optional<int>& modelOverride,
                  const std::string& programFolder, RadioData& data, ModelState& model);

// For a verb that reads one data file and writes something else (to output, when given):
// the --model option, the check that output does not replace the input, and LoadInput. The
// exit status of a usage problem or a failed load, or nothing when data and model are loaded.
std::optional<int> LoadVerbInput(const CliArgs& args, const std::string& input,
                                 const std::optional<std::string>& output, RadioData& data,
                                 ModelState& model);

// True for the paths LoadInput and WriteOutput can tell the kind of: .dat and .hex.
bool IsDataFilePath(const std::string& path);
bool IsSameKind(const std::string& path, const std::string& other);

// True when both name one existing file, under any name: the same path, a link, a hard link.
// A verb refuses to write such an output where it would replace its input with other data.
bool IsSameFile(const std::string& path, const std::string& other);
std::string SameFileError(const std::string& input, const std::string& output);

// Writes a .dat (the record as it stands) or a .hex (encoded, header prepared, checksummed).
Outcome WriteOutput(const std::string& path, RadioData& data, const ModelState& model);

} // namespace tq58::cli
