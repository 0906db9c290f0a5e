#pragma once

#include "model/ModelState.h"
#include "model/SettingsRecord.h"
#include "model/SetupFields.h"

#include <array>
#include <string>
#include <type_traits>
#include <utility>

namespace tq58 {

// The keys of the settings text file and the fields they stand for, in the order the file
// holds them. The writer and the reader walk the same layout, so the two cannot drift apart.
// A visitor offers one call per kind of value:
//   Section(name), Flag(key, bool) "1"/"0", WordFlag(key, bool) "True"/"False",
//   Number(key, int or long), Magnitude(key, int) written as its absolute value,
//   PriorityChannel(key, long), PlainText(key, text), MarkedText(key, text) with "#",
//   Frequency(key, double).
// Record is SettingsRecord for reading and const SettingsRecord for writing.

inline std::string Numbered(const char* stem, std::size_t i) {
    return stem + std::to_string(i);
}

inline constexpr const char* AutoPosSection = "Auto POS Setup";

// Sections a whole file of an earlier version may lack (names as the parser gives them,
// upper-cased): the Auto POS settings, and the ATIS settings of a model without ATIS.
inline bool IsOptionalSection(const std::string& name, const ModelState& model) {
    return name == "AUTO POS SETUP" || (!model.AtisAvailable && name.rfind("ATIS SETUP", 0) == 0);
}

template <typename Record, typename Visitor> void VisitUsableGroups(Record& s, Visitor& v) {
    v.Section("Usable CH Group Setup");
    const char* enableKeys[] = {"USA", "INTL", "Canada", "EXP CH"};
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(enableKeys[i], s.UsableChGroup[i].Enable);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(Numbered("TX TOT", i), s.UsableChGroup[i].TxTot);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        v.PriorityChannel(Numbered("Priority CH", i), s.UsableChGroup[i].PriorityCh);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        v.PlainText(Numbered("Status name", i), s.UsableChGroup[i].StatusName);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        v.WordFlag(Numbered("Exp Ch Group", i), s.UsableChGroup[GroupExp].ExpChGroup[i]);
    }
}

// A described setting under its file key: the writer takes its value, the reader sets it.
template <typename Record, typename Visitor>
void VisitDescribed(Record& s, const SetupField& field, Visitor& v) {
    const SettingWords& shown = field.Shown;
    const long held = field.Member.Get(s, 0).Number;
    bool flag = held != 0;
    int number = static_cast<int>(held);
    switch (shown.File) {
    case FileForm::Flag:
        v.Flag(shown.FileKey, flag);
        break;
    case FileForm::Number:
        v.Number(shown.FileKey, number);
        break;
    case FileForm::Magnitude:
        v.Magnitude(shown.FileKey, number);
        break;
    }
    if constexpr (!std::is_const_v<Record>) {
        field.Member.Set(s, 0, FieldValue{shown.File == FileForm::Flag ? flag : number, {}});
    }
}

template <typename Record, typename Visitor> void VisitCommonSetup(Record& s, Visitor& v) {
    v.Section("Common Setup");
    for (const SetupField& field : SetupFields()) {
        if (field.Shown.Group == SettingGroup::Common) {
            VisitDescribed(s, field, v);
        }
    }
}

template <typename Record, typename Visitor> void VisitDscBasicSetup(Record& s, Visitor& v) {
    auto& basic = s.DscBasicSetup;
    v.Section("DSC Setup (Basic Setup)");
    const char* groupKeys[] = {"USA", "INTL", "Canada"};
    for (std::size_t i = 0; i < 3; ++i) {
        v.Flag(groupKeys[i], basic.DscChGroup[i]);
    }
    v.MarkedText("User MMSI", basic.UserMmsi);
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(Numbered("PosRequest", i), basic.PosRequest[i]);
        v.Flag(Numbered("PosRequestTX", i), basic.PosRequestTX[i]);
    }
    for (std::size_t i = 0; i < basic.BeepOut.size(); ++i) {
        v.Flag(Numbered("BeepOut", i), basic.BeepOut[i]);
    }
    // The radio's fourth DSC group has no label; the file keeps it all the same.
    v.Flag("DscChGroup3", basic.DscChGroup[3]);
}

template <typename Calls, typename Visitor>
void VisitCallPair(const char* stem, Calls& accepted, Calls& transmit, Visitor& v) {
    const std::string transmitStem = std::string(stem) + "TX";
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(Numbered(stem, i), accepted[i]);
        v.Flag(Numbered(transmitStem.c_str(), i), transmit[i]);
    }
}

template <typename Record, typename Visitor> void VisitDscAdvancedSetup(Record& s, Visitor& v) {
    auto& advanced = s.DscAdvancedSetup;
    v.Section("DSC Setup (Advanced Setup)");
    VisitCallPair("All Ships Call", advanced.AllShipsCall, advanced.AllShipsCallTX, v);
    VisitCallPair("Group Call", advanced.GroupCall, advanced.GroupCallTX, v);
    VisitCallPair("Individual Call", advanced.IndividualCall, advanced.IndividualCallTX, v);
}

template <typename Record, typename Visitor> void VisitDscDisplaySetup(Record& s, Visitor& v) {
    v.Section("DSC Setup (Display Setup)");
    const char* keys[] = {"Individual ACK Menu", "Individual ACK Message Menu",
                          "POS Request ACK Menu"};
    for (std::size_t i = 0; i < 3; ++i) {
        v.Flag(keys[i], s.DscDisplaySetup[i]);
    }
}

template <typename Record, typename Visitor> void VisitAtis(Record& s, Visitor& v) {
    auto& common = s.AtisCommon;
    v.Section("ATIS Setup (Common)");
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(Numbered("Usable ATIS CH Group", i), common.AtisChGroup[i]);
    }
    v.MarkedText("Atis Code", common.AtisCode);
    for (std::size_t i = 0; i < 4; ++i) {
        v.Flag(Numbered("Usable ATIS Kikker CH Group", i), common.AtisKillerChGroup[i]);
    }
    v.Section("ATIS Setup (Call Sign)");
    for (std::size_t k = 1; k <= s.AtisCallSign.size(); ++k) {
        v.PlainText(Numbered("MID", k), s.AtisCallSign[k - 1].MID);
        v.PlainText(Numbered("DISP", k), s.AtisCallSign[k - 1].DISP);
    }
}

// The Auto POS settings are not edited, but the radio holds them and a file keeps them.
template <typename Record, typename Visitor> void VisitAutoPos(Record& s, Visitor& v) {
    auto& autoPos = s.AutoPosSetup;
    v.Section(AutoPosSection);
    v.Flag("MENUDISPLAY", autoPos.MENUDISPLAY);
    for (std::size_t i = 0; i < autoPos.Entry.size(); ++i) {
        auto& entry = autoPos.Entry[i];
        v.PlainText(Numbered("MMSI", i), entry.MMSI);
        v.Flag(Numbered("ENABLE", i), entry.ENABLE);
        v.Flag(Numbered("RCENABLE", i), entry.RCENABLE);
        v.Number(Numbered("CHANNEL", i), entry.CHANNEL);
        v.Number(Numbered("INTERVAL", i), entry.INTERVAL);
        v.Number(Numbered("SELECTCALL", i), entry.SELECTCALL);
        v.Number(Numbered("LASTADDRESS", i), entry.LASTADDRESS);
    }
}

// Sections 2 to 7: every setting group. A model without ATIS still holds its bytes, so the
// ATIS sections are written for every model; like the Auto POS section, files of earlier
// versions may lack them.
template <typename Record, typename Visitor> void VisitSettingGroups(Record& s, Visitor& v) {
    VisitUsableGroups(s, v);
    VisitCommonSetup(s, v);
    VisitDscBasicSetup(s, v);
    VisitDscAdvancedSetup(s, v);
    VisitDscDisplaySetup(s, v);
    VisitAtis(s, v);
    VisitAutoPos(s, v);
}

// The keys of a USA, INTL or Canada channel after its "Position".
// The scrambler code is written for every model: one without the scrambler still holds the bits.
template <typename Channel, typename Visitor> void VisitPlanChannel(Channel& c, Visitor& v) {
    v.Flag("Enable", c.Enable);
    v.Flag("LowPower", c.LowPower);
    v.Flag("PowUp", c.PowUp);
    v.Flag("Duplex", c.Duplex);
    v.Flag("TxEnable", c.TxEnable);
    v.Flag("DispayA", c.DisplayA);
    v.Flag("ScanMemory", c.ScanMemory);
    v.Number("Scramble", c.Scramble);
    v.MarkedText("ChTag", c.ChTag);
}

template <typename Channel, typename Visitor> void VisitWxChannel(Channel& c, Visitor& v) {
    v.Flag("Enable", c.Enable);
    v.Flag("ScanMemory", c.ScanMemory);
    v.MarkedText("ChTag", c.ChTag);
}

template <typename Entry, typename Visitor> void VisitDirectoryEntry(Entry& e, Visitor& v) {
    v.Flag("Enable", e.Enable);
    v.MarkedText("TagName", e.TagName);
    v.PlainText("Mmsid", e.Mmsid);
}

// "TxEnable" and "Narrow" close the section so that readers which do not know them still
// find every other key where they expect it.
template <typename Channel, typename Visitor> void VisitExpChannel(Channel& c, Visitor& v) {
    v.Flag("Enable", c.Enable);
    v.PlainText("CHDisplayL", c.CHDisplayL);
    v.PlainText("CHDisplayR", c.CHDisplayR);
    v.Frequency("Rxfreq", c.Rxfreq);
    v.Frequency("Txfreq", c.Txfreq);
    v.Flag("LowPower", c.LowPower);
    v.Flag("PowUp", c.PowUp);
    v.Flag("ScanMemory", c.ScanMemory);
    v.Number("Scramble", c.Scramble);
    v.MarkedText("ChTag", c.ChTag);
    v.Flag("TxEnable", c.TxEnable);
    v.Flag("Narrow", c.Narrow);
}

// The channel lists of sections 8, in file order.
template <typename Record> auto PlanLists(Record& s) {
    using List = std::remove_reference_t<decltype((s.CHUSA))>;
    return std::array<std::pair<const char*, List*>, 3>{
        {{"CHUSA", &s.CHUSA}, {"CHINT", &s.CHINT}, {"CHCAN", &s.CHCAN}}};
}

} // namespace tq58
