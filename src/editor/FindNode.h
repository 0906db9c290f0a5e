#pragma once

#include "model/ModelState.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

// The first node of the tree, in its order, that the text finds: a channel by its number (a
// plan channel's label such as "16" or "88A", an EXP channel's number or "EXP3") or its
// name, a directory entry by its name or its MMSI (as the list or the entry page shows it).
// Names compare without regard to case. Empty when nothing matches.
std::string FindNode(const SettingsRecord& settings, const ModelState& model,
                     const std::string& text);

} // namespace tq58
