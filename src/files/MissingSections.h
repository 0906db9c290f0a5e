#pragma once

#include "files/DataFileParser.h"
#include "model/ModelState.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// The sections that every settings file saved for the model holds and the parsed file lacks,
// in the order a saved file has them: a file cut short or garbled loses some, and their
// settings then keep the values of new data.
std::vector<std::string> MissingSections(const DataSections& sections, const SettingsRecord& fresh,
                                         const ModelState& model);

// The warning shown after such a file has been read: how many sections and which, numbered
// runs told as ranges ("CHINT120 to CHINT239").
Phrase MissingSectionsWarning(const std::vector<std::string>& missing);

} // namespace tq58
