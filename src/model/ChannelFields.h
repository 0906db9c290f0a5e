#pragma once

#include "model/SettingsRecord.h"

#include <array>

namespace tq58 {

// The fields of a channel that the window, the CSV files, the report and the comparison show,
// described once: every view takes the fields it shows from this description, keyed by
// ChannelField, and a new field is one entry here.
enum class ChannelField {
    Display, // CHDisplayL and CHDisplayR, the EXP channel's number on the radio
    RxFreq,
    TxFreq,
    TxEnable,
    LowPowerOnly,
    PowerUp,
    Duplex,
    ScanMemory,
    Scrambler,
    Name,
    Enable,
    Narrow,
};
inline constexpr std::size_t ChannelFieldCount = 12;

// How a field's value is held and written.
enum class ChannelValue { Flag, Frequency, Display, Scrambler, Name };

// The lists whose CSV files carry a field: the plans' (USA, INTL, Canada) and the EXP list.
enum ChannelLists : unsigned { NoLists = 0, PlanLists = 1, ExpList = 2, BothLists = 3 };

struct ChannelFieldInfo {
    ChannelField Field;
    ChannelValue Value;
    bool ChannelRecord::*Flag = nullptr;
    double ChannelRecord::*Frequency = nullptr;
    const char* CsvHeading = nullptr; // none: the field travels in no CSV file
    unsigned CsvLists = NoLists;
    const char* StepName = nullptr; // an undo step that changes only this field
    bool Typing = false;            // typed a character at a time
    // The report's and the comparison's column: its heading, which is a flag's word when it
    // is on, its rule, which is a flag's word when it is off, and its width in the text form.
    // A flag without a rule is listed as On or Off.
    const char* Column = nullptr;
    const char* Rule = nullptr;
    int Width = 0;
    bool NeedsScrambler = false;
    // Set for many rows at once from a channel grid's menu, under this name.
    const char* RowFlagName = nullptr;
};

// Every field, in the order of the CSV files' columns.
const std::array<ChannelFieldInfo, ChannelFieldCount>& ChannelFields();
const ChannelFieldInfo& ChannelFieldOf(ChannelField field);

// A flag field's value, for reading and setting.
bool& ChannelFlag(ChannelRecord& channel, ChannelField field);
bool ChannelFlag(const ChannelRecord& channel, ChannelField field);
// Whether the two records hold the same value of the field.
bool SameChannelField(const ChannelFieldInfo& field, const ChannelRecord& a,
                      const ChannelRecord& b);

} // namespace tq58
