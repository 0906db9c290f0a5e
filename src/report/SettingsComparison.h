#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <string>
#include <vector>

namespace tq58 {

// One setting that two configurations hold differently, named as the settings report names
// it: the section heading, the channel or entry (or the sub-heading), the field.
struct SettingDifference {
    std::string Section;
    std::string Entry;
    std::string Field;
    std::string ValueA;
    std::string ValueB;

    bool operator==(const SettingDifference&) const = default;
};

// Every setting of the record that differs, in the report's order. Values are the report's
// words; where two stored values share a word ("Off" for every priority below zero), the
// stored value follows in brackets, so that no difference goes unseen. The ATIS settings and
// the scrambler codes are compared when either model has them.
std::vector<SettingDifference> CompareSettings(const RadioData& a, const ModelState& modelA,
                                               const RadioData& b, const ModelState& modelB);

// The settings whose values the window does not offer (outside their lists, a duplex flag on a
// simplex channel, a scrambler code without its "on" flag), which programming keeps as they are
// unless the user changes them; both values are the setting's own.
std::vector<SettingDifference> UnofferedSettings(const RadioData& data, const ModelState& model);

// "section | entry | field | value in A | value in B"
std::string DifferenceLine(const SettingDifference& difference);

} // namespace tq58
