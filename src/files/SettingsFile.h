#pragma once

#include "files/DataFileParser.h"
#include "files/FileMessages.h"
#include "model/ModelState.h"
#include "model/NewData.h"
#include "model/Outcome.h"
#include "model/RadioData.h"

#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// The settings text file (.dat): the whole settings record as key=value sections.

// The file's text: sections 1 to 11, CR LF line ends.
std::string SettingsFileText(const SettingsRecord& settings, const ModelState& model);

// The load and save functions take the procedure name that the error log records for their
// failures: the caller's, since it is the caller that logs them.

// Writes the settings record; the previous file stays intact when the save fails.
Outcome SaveFileAs(const std::string& path, const SettingsRecord& settings, const ModelState& model,
                   const std::string& logProcedure);

// Reads a file of the selected model: new data (with the model's default image, when a
// loader is given) overwritten by what the file holds. The data changes only when the whole
// file has been read; a file of another model leaves it exactly as it was. The sections that a
// saved file holds and this one lacks go to missingSections when it is given.
Outcome ReadSettingsFile(const std::string& path, RadioData& data, const ModelState& model,
                         const std::string& logProcedure,
                         const DefaultImageLoader& loadModelDefaults = {},
                         std::vector<std::string>* missingSections = nullptr);

// A settings file's text, read as ReadSettingsFile reads it: a missing file is the program's model
// error, any other that cannot be read its read error; both say what happened to the file.
Outcome ReadSettingsText(const std::string& path, std::string& text,
                         const std::string& logProcedure);

// Fills the record from parsed sections; absent or unconvertible values keep the field.
void FillSettingsRecord(const DataSections& sections, SettingsRecord& settings);

// The MODELTYPE of a file's text, absent when missing or not a whole number.
std::optional<int> DataFileModelType(std::string_view text);

} // namespace tq58
