#pragma once

#include "model/ModelState.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

enum class FindDirection { Forward, Backward };

struct FoundNode {
    std::string Key;      // empty when nothing matches
    bool Wrapped = false; // the search went round the tree's end to find it

    bool operator==(const FoundNode&) const = default;
};

// The next node of the tree, in its order, after the node of the key `from` (before it
// going backwards; from the tree's start when `from` is empty) that the text finds, going
// round past the end: a channel by its number (a plan channel's label such as "16" or "88A",
// an EXP channel's number or "EXP3") or its name, a directory entry by its name or its MMSI
// (as the list or the entry page shows it). Names compare without regard to case.
FoundNode FindNode(const SettingsRecord& settings, const ModelState& model, const std::string& text,
                   const std::string& from = {}, FindDirection direction = FindDirection::Forward);

} // namespace tq58
