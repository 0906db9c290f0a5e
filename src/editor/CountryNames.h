#pragma once

#include "model/Phrase.h"

#include <string>

namespace tq58 {

// The name of a MID's country as the window shows it: the names of the countries where most
// users sail are translated ("Countries" context); any other stays as "mid.tsv" writes it.
// The table itself stays English.
Phrase CountryName(const std::string& englishName);

} // namespace tq58
