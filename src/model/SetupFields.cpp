#include "model/SetupFields.h"

#include "model/ImageLayout.h"

namespace tq58 {

namespace {

using S = SettingsRecord;
using Usable = UsableGroupRecord;
using Common = CommonSetupRecord;
using Basic = DscBasicSetupRecord;
using Advanced = DscAdvancedSetupRecord;
using AutoPos = AutoPosSetupRecord;
using Atis = AtisCommonRecord;

template <auto... Steps> constexpr MemberAccess InCommon() {
    return Member<&S::CommonSetup, Steps...>();
}
template <auto... Steps> constexpr MemberAccess InBasic() {
    return Member<&S::DscBasicSetup, Steps...>();
}
template <auto... Steps> constexpr MemberAccess InAdvanced() {
    return Member<&S::DscAdvancedSetup, Steps...>();
}
template <auto Step> constexpr MemberAccess InEachGroup() {
    return Member<&S::UsableChGroup, Each, Step>();
}
template <auto Step> constexpr MemberAccess InEachAutoPos() {
    return Member<&S::AutoPosSetup, &AutoPos::Entry, Each, Step>();
}

constexpr SetupField Flag(int address, MemberAccess member, bool factory) {
    return {.Name = "",
            .Address = address,
            .Form = FieldForm::FlagByte,
            .Member = member,
            .Factory = factory ? 1 : 0};
}

// Width flags in bits Top down to Top - Width + 1, the member's first element highest.
constexpr SetupField Flags(int address, int top, int width, MemberAccess member, long factory) {
    return {.Name = "",
            .Address = address,
            .Form = FieldForm::Bits,
            .Member = member,
            .Factory = factory,
            .Top = top,
            .Width = width};
}

constexpr SetupField Bit(int address, int bit, MemberAccess member, bool factory) {
    return Flags(address, bit, 1, member, factory ? 1 : 0);
}

constexpr SetupField Number(const char* name, FieldForm form, int address, MemberAccess member,
                            long factory) {
    return {.Name = name, .Address = address, .Form = form, .Member = member, .Factory = factory};
}

constexpr SetupField Blank(FieldForm form, int address, MemberAccess member, int width = 0) {
    return {.Name = "", .Address = address, .Form = form, .Member = member, .Width = width};
}

constexpr SetupField NotStored(MemberAccess member) {
    return {.Name = "", .Address = 0, .Form = FieldForm::NotStored, .Member = member};
}

// A setting of the Common Setup, with its file key and report label.
constexpr SetupField CommonSetting(SetupField field, SettingWords words) {
    field.Shown = words;
    field.Shown.Group = SettingGroup::Common;
    return field;
}

// The Common Setup's report headings.
constexpr const char* TxModeHeading = "Starting TX Mode";
constexpr const char* ScanningHeading = "Scanning Function";
constexpr const char* NmeaHeading = "NMEA Data Input";
constexpr const char* WeatherHeading = "Weather CH Function";

constexpr SetupField Repeated(SetupField field, int times, int stride, int bitStride = 0) {
    field.Times = times;
    field.Stride = stride;
    field.BitStride = bitStride;
    return field;
}

constexpr SetupField Fields[] = {
    // Usable channel groups: USA, INTL, Canada, EXP.
    Repeated(Flag(UsableGroupFlags, InEachGroup<&Usable::Enable>(), true), 4, 16),
    Repeated(Blank(FieldForm::Text, UsableGroupFlags + 1, InEachGroup<&Usable::StatusName>(), 4), 4,
             16),
    Repeated(Bit(TxTotBits, 3, InEachGroup<&Usable::TxTot>(), false), 4, 0, -1),
    // The EXP group bits are in every EXP record; the first one's are read.
    [] {
        SetupField field =
            Flags(ExpRecords, 3, 3, Member<&S::UsableChGroup, GroupExp, &Usable::ExpChGroup>(), 0);
        field.Copies = ExpChannelCount;
        field.CopyStride = ExpRecordSize;
        return field;
    }(),

    // Common setup, in the order of the settings file and the report.
    CommonSetting(
        Number("TxPoDisplay", FieldForm::Byte, 0x0028, InCommon<&Common::TxPoDisplay>(), 0),
        {.FileKey = "TX Po Display",
         .File = FileForm::Magnitude,
         .Label = "TX Po Display",
         .Heading = TxModeHeading,
         .List = ValueList::TxPoDisplay}),
    CommonSetting(Flag(0x0033, InCommon<&Common::Scan>(), true),
                  {.FileKey = "SCAN", .Label = "SCAN", .Heading = ScanningHeading}),
    CommonSetting(Number("ResumeTime", FieldForm::Byte, 0x0035, InCommon<&Common::ResumeTime>(), 3),
                  {.FileKey = "Resume Time",
                   .File = FileForm::Number,
                   .Label = "Resume Time",
                   .Heading = ScanningHeading,
                   .List = ValueList::ResumeTime}),
    CommonSetting(
        Flag(0x0034, InCommon<&Common::PttScanClear>(), true),
        {.FileKey = "PTT SCAN Clear", .Label = "PTT SCAN Clear", .Heading = ScanningHeading}),
    CommonSetting(NotStored(InCommon<&Common::DualWatch>()),
                  {.FileKey = "Dual Watch", .Label = "Dual Watch", .Heading = ScanningHeading}),
    CommonSetting(Number("", FieldForm::OffsetTime, 0x002B, InCommon<&Common::OffsetTime>(), 24),
                  {.FileKey = "Offset Time",
                   .File = FileForm::Number,
                   .Label = "Offset Time",
                   .Heading = NmeaHeading,
                   .List = ValueList::OffsetTime}),
    CommonSetting(Number("MagneticVariation", FieldForm::Byte, 0x002D,
                         InCommon<&Common::MagneticVariation>(), 255),
                  {.FileKey = "Magnetic Variation",
                   .File = FileForm::Magnitude,
                   .Label = "Magnetic Variation",
                   .Heading = NmeaHeading,
                   .List = ValueList::MagneticVariation}),
    CommonSetting(Number("Weater", FieldForm::Byte, 0x0040, InCommon<&Common::WeatherAlert>(), 255),
                  {.FileKey = "Weater",
                   .File = FileForm::Magnitude,
                   .Label = "Weather Alert",
                   .Heading = WeatherHeading,
                   .List = ValueList::WeatherAlert}),
    CommonSetting(Flag(0x002F, InCommon<&Common::Rotary>(), false),
                  {.FileKey = "Rotary", .Label = "Rotary Beep", .Heading = WeatherHeading}),

    // Auto POS: entry 0 POS request polling, entry 1 POS reporting.
    Flag(0x0184, Member<&S::AutoPosSetup, &AutoPos::MENUDISPLAY>(), true),
    Repeated(Flag(0x01CD, InEachAutoPos<&AutoPosEntry::ENABLE>(), true), 2, 1),
    Repeated(Number("", FieldForm::Word15, AutoPosEntries, InEachAutoPos<&AutoPosEntry::CHANNEL>(),
                    32767),
             2, 16),
    Repeated(Number("AutoPosSetup.Entry[].INTERVAL", FieldForm::Byte, AutoPosEntries + 2,
                    InEachAutoPos<&AutoPosEntry::INTERVAL>(), 255),
             2, 16),
    Repeated(Number("AutoPosSetup.Entry[].SELECTCALL", FieldForm::Byte, AutoPosEntries + 9,
                    InEachAutoPos<&AutoPosEntry::SELECTCALL>(), 255),
             2, 16),
    {.Name = "AutoPosSetup.Entry[].LASTADDRESS",
     .Address = 0x01C6,
     .Form = FieldForm::SelectedByte,
     .Member = InEachAutoPos<&AutoPosEntry::LASTADDRESS>(),
     .Times = 2,
     .Stride = 2,
     .Selector = InEachAutoPos<&AutoPosEntry::SELECTCALL>()},
    Repeated(Flag(AutoPosEntries + 3, InEachAutoPos<&AutoPosEntry::RCENABLE>(), true), 2, 16),
    Repeated(Blank(FieldForm::Mmsi, AutoPosEntries + 4, InEachAutoPos<&AutoPosEntry::MMSI>()), 2,
             16),

    // Priority channels of the plan groups; none for EXP.
    Repeated(Number("UsableChGroup[].PriorityCh", FieldForm::Word, PriorityChannels,
                    InEachGroup<&Usable::PriorityCh>(), 32),
             3, 2),

    // DSC basic setup.
    Repeated(Flag(0x0180, InBasic<&Basic::DscChGroup, Each>(), true), 4, 1),
    Blank(FieldForm::Mmsi, UserMmsiAddress, InBasic<&Basic::UserMmsi>()),
    Bit(0x01A3, 2, InBasic<&Basic::PosRequest, 0>(), true),
    Bit(0x01A3, 3, InBasic<&Basic::PosRequest, 1>(), true),
    Bit(0x01A3, 7, InBasic<&Basic::PosRequest, 2>(), true),
    Bit(0x01A3, 5, InBasic<&Basic::PosRequest, 3>(), true),
    Bit(0x01A3, 6, InBasic<&Basic::PosRequestTX, 2>(), false),
    Bit(0x01A3, 4, InBasic<&Basic::PosRequestTX, 3>(), false),
    Bit(0x01A4, 7, InBasic<&Basic::BeepOut, 0>(), true),
    Bit(0x01A4, 6, InBasic<&Basic::BeepOut, 1>(), true),
    Bit(0x01A4, 5, InBasic<&Basic::BeepOut, 4>(), true),
    Flag(0x01A7, InBasic<&Basic::BeepOut, 2>(), true),
    Flag(0x01A8, InBasic<&Basic::BeepOut, 3>(), true),
    Flag(0x01A9, InBasic<&Basic::BeepOut, 5>(), true),
    Flag(0x01AA, InBasic<&Basic::BeepOut, 6>(), true),

    // DSC advanced setup: accepted calls in bits 7-4, transmit settings in bits 3-0.
    Flags(0x01A0, 7, 4, InAdvanced<&Advanced::AllShipsCall>(), 0b0110),
    Flags(0x01A0, 3, 4, InAdvanced<&Advanced::AllShipsCallTX>(), 0),
    Flags(0x01A1, 7, 4, InAdvanced<&Advanced::GroupCall>(), 0b0001),
    Flags(0x01A1, 3, 4, InAdvanced<&Advanced::GroupCallTX>(), 0),
    Flags(0x01A2, 7, 4, InAdvanced<&Advanced::IndividualCall>(), 0b0001),
    Flags(0x01A2, 3, 4, InAdvanced<&Advanced::IndividualCallTX>(), 0),

    // DSC display setup: individual ACK, individual ACK message, POS request ACK menus.
    Flags(0x01A4, 3, 3, Member<&S::DscDisplaySetup>(), 0b111),

    // ATIS: channel groups in bits 7-4, killer groups in bits 3-0.
    Flags(AtisGroupBits, 7, 4, Member<&S::AtisCommon, &Atis::AtisChGroup>(), 0b1111),
    Blank(FieldForm::Code, AtisCodeAddress, Member<&S::AtisCommon, &Atis::AtisCode>()),
    [] {
        SetupField field =
            Flags(AtisGroupBits, 3, 4, Member<&S::AtisCommon, &Atis::AtisKillerChGroup>(), 0b1111);
        field.KnownModelsOnly = true;
        return field;
    }(),
    Repeated(Blank(FieldForm::CallSign, AtisCallSigns + 8,
                   Member<&S::AtisCallSign, Each, &AtisCallSignEntry::MID>()),
             AtisCallSignCount, 8),
    Repeated(Blank(FieldForm::CallSign, AtisCallSigns + 8 + 3,
                   Member<&S::AtisCallSign, Each, &AtisCallSignEntry::DISP>()),
             AtisCallSignCount, 8),
};

} // namespace

std::span<const SetupField> SetupFields() {
    return Fields;
}

int FieldAddress(const SetupField& field, int index) {
    return field.Address + field.Stride * index;
}

int FieldTop(const SetupField& field, int index) {
    return field.Top + field.BitStride * index;
}

std::string FieldName(const SetupField& field, int index) {
    std::string name = field.Name;
    if (const std::size_t at = name.find("[]"); at != std::string::npos) {
        name.insert(at + 1, std::to_string(index));
    }
    return name;
}

} // namespace tq58
