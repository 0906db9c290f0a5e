#pragma once

#include "model/SettingsRecord.h"

#include <vector>

namespace tq58 {

enum class PlanKind { Usa, International, Canada };

void InitPlanList(std::vector<ChannelRecord>& list);
void SetPlanChannel(std::vector<ChannelRecord>& list, int position, bool receiveOnly, bool duplex,
                    bool lowPower, const std::string& tag);
void BuildPlan(std::vector<ChannelRecord>& list, PlanKind plan);
void BuildWxList(std::vector<ChannelRecord>& list);

} // namespace tq58
