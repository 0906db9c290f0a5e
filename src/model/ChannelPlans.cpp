#include "model/ChannelPlans.h"

#include "model/ChannelTable.h"

#include <span>

namespace tq58 {

namespace {

enum PlanFlags { None = 0, R = 1, D = 2, L = 4 }; // receive only, duplex, low power

struct PlanEntry {
    const char* label;
    const char* tag;
    int flags = None;
};

constexpr PlanEntry UsaPlan[] = {
    {"01A", "VTS"},         {"05A", "VTS"},         {"06", "SAFTY"},        {"07A", "COMMERCIAL"},
    {"08", "COMMERCIAL"},   {"09", "CALLING"},      {"10", "COMMERCIAL"},   {"11", "VTS"},
    {"12", "VTS"},          {"13", "BRG/BRG", L},   {"14", "VTS"},          {"15", "COMMERCIAL", R},
    {"16", "DISTRESS"},     {"17", "SAR", L},       {"18A", "COMMERCIAL"},  {"19A", "COMMERCIAL"},
    {"20", "PORT OPR", D},  {"20A", "PORT OPR"},    {"21A", "CCG"},         {"22A", "USCG"},
    {"23A", "USCG"},        {"24", "TELEPHONE", D}, {"25", "TELEPHONE", D}, {"26", "TELEPHONE", D},
    {"27", "TELEPHONE", D}, {"28", "TELEPHONE", D}, {"63A", "VTS"},         {"65A", "PORT OPR"},
    {"66A", "PORT OPR"},    {"67", "BRG/BRG", L},   {"68", "SHIP-SHIP"},    {"69", "PLEASURE"},
    {"70", "DSC", R},       {"71", "PLEASURE"},     {"72", "SHIP-SHIP"},    {"73", "PORT OPR"},
    {"74", "PORT OPR"},     {"75", "PORT OPR", L},  {"76", "PORT OPR", L},  {"77", "PORT OPR", L},
    {"78A", "SHIP-SHIP"},   {"79A", "SHIP-SHIP"},   {"80A", "SHIP-SHIP"},   {"81A", "CCG"},
    {"82A", "CCG"},         {"83A", "USCG"},        {"84", "TELEPHONE", D}, {"85", "TELEPHONE", D},
    {"86", "TELEPHONE", D}, {"87A", "COMMERCIAL"},  {"88A", "COMMERCIAL"},
};

constexpr PlanEntry InternationalPlan[] = {
    {"01", "TELEPHONE", D}, {"02", "TELEPHONE", D}, {"03", "TELEPHONE", D},  {"04", "INTL", D},
    {"05", "INTL", D},      {"06", "SAFTY"},        {"07", "INTL", D},       {"08", "COMMERCIAL"},
    {"09", "CALLING"},      {"10", "COMMERCIAL"},   {"11", "VTS"},           {"12", "VTS"},
    {"13", "BRG/BRG"},      {"14", "VTS"},          {"15", "COMMERCIAL", L}, {"16", "DISTRESS"},
    {"17", "SAR", L},       {"18", "INTL", D},      {"19", "INTL", D},       {"20", "PORT OPR", D},
    {"21", "INTL", D},      {"22", "INTL", D},      {"23", "INTL", D},       {"24", "TELEPHONE", D},
    {"25", "TELEPHONE", D}, {"26", "TELEPHONE", D}, {"27", "TELEPHONE", D},  {"28", "TELEPHONE", D},
    {"60", "TELEPHONE", D}, {"61", "INTL", D},      {"62", "INTL", D},       {"63", "INTL", D},
    {"64", "TELEPHONE", D}, {"65", "INTL", D},      {"66", "INTL", D},       {"67", "BRG/BRG"},
    {"68", "SHIP-SHIP"},    {"69", "PLEASURE"},     {"70", "DSC", R},        {"71", "PLEASURE"},
    {"72", "SHIP-SHIP"},    {"73", "PORT OPR"},     {"74", "PORT OPR"},      {"75", "PORT OPR", L},
    {"76", "PORT OPR", L},  {"77", "PORT OPR"},     {"78", "INTL", D},       {"79", "INTL", D},
    {"80", "INTL", D},      {"81", "INTL", D},      {"82", "INTL", D},       {"83", "INTL", D},
    {"84", "TELEPHONE", D}, {"85", "TELEPHONE", D}, {"86", "TELEPHONE", D},  {"87", "PORT OPR"},
    {"88", "PORT OPR"},
};

constexpr PlanEntry CanadianPlan[] = {
    {"01", "TELEPHONE", D},  {"02", "TELEPHONE", D},
    {"03", "TELEPHONE", D},  {"04A", "CCG"},
    {"05A", "VTS"},          {"06", "SAFETY"},
    {"07A", "COMMERCIAL"},   {"08", "COMMERCIAL"},
    {"09", "CALLING"},       {"10", "COMMERCIAL"},
    {"11", "VTS"},           {"12", "VTS"},
    {"13", "BRG/BRG", L},    {"14", "VTS"},
    {"15", "COMMERCIAL", L}, {"16", "DISTRESS"},
    {"17", "SAR", L},        {"18A", "COMMERCIAL"},
    {"19A", "COMMERCIAL"},   {"20", "PORT OPR", D | L},
    {"21A", "CCG"},          {"22A", "USCG"},
    {"23", "INTL", D},       {"24", "TELEPHONE", D},
    {"25", "TELEPHONE", D},  {"26", "TELEPHONE", D},
    {"27", "TELEPHONE", D},  {"28", "TELEPHONE", D},
    {"60", "TELEPHONE", D},  {"61A", "CCG"},
    {"62A", "CCG"},          {"63A", "SHIP-SHIP"},
    {"64", "TELEPHONE", D},  {"64A", "COMMERCIAL"},
    {"65A", "PORT OPR"},     {"66A", "PORT OPR", L},
    {"67", "BRG/BRG"},       {"68", "SHIP-SHIP"},
    {"69", "PLEASURE"},      {"70", "DSC", R},
    {"71", "PLEASURE"},      {"72", "SHIP-SHIP"},
    {"73", "PORT OPR"},      {"74", "PORT OPR"},
    {"75", "PORT OPR", L},   {"76", "PORT OPR", L},
    {"77", "PORT OPR", L},   {"78A", "SHIP-SHIP"},
    {"79A", "SHIP-SHIP"},    {"80A", "SHIP-SHIP"},
    {"81A", "CCG"},          {"82A", "CCG"},
    {"83", "CCG", D},        {"83A", "CCG"},
    {"84", "TELEPHONE", D},  {"85", "TELEPHONE", D},
    {"86", "TELEPHONE", D},  {"87", "PORT OPR"},
    {"88", "PORT OPR"},
};

std::span<const PlanEntry> PlanEntries(PlanKind plan) {
    switch (plan) {
    case PlanKind::Usa:
        return UsaPlan;
    case PlanKind::International:
        return InternationalPlan;
    case PlanKind::Canada:
        return CanadianPlan;
    }
    return {};
}

} // namespace

void InitPlanList(std::vector<ChannelRecord>& list) {
    const auto& table = ChannelTable();
    list.assign(PlanListSize, ChannelRecord{});
    for (int i = 0; i < PlanListSize; ++i) {
        list[i].Position = i;
        list[i].DuplexCapable = table[i].DuplexCapable;
        list[i].TxEnable = true;
    }
}

void SetPlanChannel(std::vector<ChannelRecord>& list, int position, bool receiveOnly, bool duplex,
                    bool lowPower, const std::string& tag) {
    ChannelRecord& record = list[position];
    record.Enable = true;
    record.RxOnly = receiveOnly;
    if (receiveOnly) {
        record.DuplexCapable = false;
    }
    record.TxEnable = !receiveOnly;
    record.ChTag = tag;
    record.Duplex = duplex;
    record.LowPower = lowPower;
}

void BuildPlan(std::vector<ChannelRecord>& list, PlanKind plan) {
    InitPlanList(list);
    for (const PlanEntry& entry : PlanEntries(plan)) {
        const int position = std::stoi(FindChannelPosition(entry.label));
        SetPlanChannel(list, position, entry.flags & R, entry.flags & D, entry.flags & L,
                       entry.tag);
    }
}

void BuildWxList(std::vector<ChannelRecord>& list) {
    list.clear();
    int number = 1;
    for (const ChannelNumberEntry& entry : WxTable()) {
        if (entry.InList) {
            ChannelRecord record;
            record.Position = number;
            record.Enable = true;
            record.LowPower = entry.DefaultLow;
            record.Duplex = entry.DuplexCapable;
            record.DuplexCapable = entry.DuplexCapable;
            record.TxEnable = entry.TxFreq > 0;
            record.DisplayA = !entry.ChLabel.empty() && entry.ChLabel.back() == 'A';
            record.ChTag = entry.FreqText;
            list.push_back(record);
        }
        ++number;
    }
}

} // namespace tq58
