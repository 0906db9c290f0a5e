#include "model/ChannelFields.h"

#include "model/Phrase.h"

#include <algorithm>

namespace tq58 {

namespace {

using F = ChannelField;
using V = ChannelValue;
using R = ChannelRecord;

// In the order of the CSV columns.
const std::array<ChannelFieldInfo, ChannelFieldCount> Fields{{
    {F::Enable, V::Flag, &R::Enable, nullptr, TQ58_TEXT("CsvHeadings", "CH Enable"), BothLists,
     TQ58_TEXT("Steps", "%1 enable"), false, "ENABLE", "------", 8, false,
     TQ58_TEXT("RowFlags", "Enable")},
    {F::Display, V::Display, nullptr, nullptr, TQ58_TEXT("CsvHeadings", "CH Display"), ExpList,
     TQ58_TEXT("Steps", "%1 display"), true, "CHD", "---", 5},
    {F::RxFreq, V::Frequency, nullptr, &R::Rxfreq, TQ58_TEXT("CsvHeadings", "Rx Frequency"),
     ExpList, TQ58_TEXT("Steps", "%1 Rx frequency"), false, "RX(MHz)", "--------", 10},
    {F::TxFreq, V::Frequency, nullptr, &R::Txfreq, TQ58_TEXT("CsvHeadings", "Tx Frequency"),
     ExpList, TQ58_TEXT("Steps", "%1 Tx frequency"), false, "TX(MHz)", "--------", 10},
    {F::TxEnable, V::Flag, &R::TxEnable, nullptr, TQ58_TEXT("CsvHeadings", "Tx Enable"), PlanLists,
     TQ58_TEXT("Steps", "%1 Tx Enable"), false, "TX", "--", 4},
    {F::LowPowerOnly, V::Flag, &R::LowPower, nullptr, TQ58_TEXT("CsvHeadings", "Low Power Only"),
     BothLists, TQ58_TEXT("Steps", "%1 Low Power Only"), false, "LOW", "---", 5, false,
     TQ58_TEXT("RowFlags", "Low Power Only")},
    {F::PowerUp, V::Flag, &R::PowUp, nullptr, TQ58_TEXT("CsvHeadings", "Power Up"), BothLists,
     TQ58_TEXT("Steps", "%1 Power Up"), false, "UP", "--", 4},
    {F::Duplex, V::Flag, &R::Duplex, nullptr, TQ58_TEXT("CsvHeadings", "Duplex"), PlanLists,
     TQ58_TEXT("Steps", "%1 Duplex"), false, "DUP", "---", 5},
    {F::ScanMemory, V::Flag, &R::ScanMemory, nullptr, TQ58_TEXT("CsvHeadings", "Scan Memory"),
     BothLists, TQ58_TEXT("Steps", "%1 Scan Memory"), false, "MEM", "---", 5, false,
     TQ58_TEXT("RowFlags", "Scan Memory")},
    {F::Scrambler, V::Scrambler, nullptr, nullptr, TQ58_TEXT("CsvHeadings", "Scrambler"), BothLists,
     TQ58_TEXT("Steps", "%1 scrambler"), false, "VS", "--", 4, true},
    {F::Name, V::Name, nullptr, nullptr, TQ58_TEXT("CsvHeadings", "CH Name"), BothLists,
     TQ58_TEXT("Steps", "%1 name"), true, "CH Name", "------------", 12},
    {F::Narrow, V::Flag, &R::Narrow, nullptr, nullptr, NoLists, nullptr, false, "Narrow"},
}};

} // namespace

const std::array<ChannelFieldInfo, ChannelFieldCount>& ChannelFields() {
    return Fields;
}

const ChannelFieldInfo& ChannelFieldOf(ChannelField field) {
    return *std::find_if(Fields.begin(), Fields.end(),
                         [field](const ChannelFieldInfo& info) { return info.Field == field; });
}

bool& ChannelFlag(ChannelRecord& channel, ChannelField field) {
    return channel.*ChannelFieldOf(field).Flag;
}

bool ChannelFlag(const ChannelRecord& channel, ChannelField field) {
    return channel.*ChannelFieldOf(field).Flag;
}

bool SameChannelField(const ChannelFieldInfo& field, const ChannelRecord& a,
                      const ChannelRecord& b) {
    switch (field.Value) {
    case ChannelValue::Flag:
        return a.*field.Flag == b.*field.Flag;
    case ChannelValue::Frequency:
        return a.*field.Frequency == b.*field.Frequency;
    case ChannelValue::Display:
        return a.CHDisplayL == b.CHDisplayL && a.CHDisplayR == b.CHDisplayR;
    case ChannelValue::Scrambler:
        return a.Scramble == b.Scramble;
    case ChannelValue::Name:
        break;
    }
    return a.ChTag == b.ChTag;
}

} // namespace tq58
