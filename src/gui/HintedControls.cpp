#include "gui/HintedControls.h"

#include <QRegularExpression>
#include <array>
#include <utility>

namespace tq58 {

namespace {

// The widgets' object names, which the tests and the help contexts know. The two
// channel-display fields share a group but not a hint, so whole names come before groups.
constexpr std::array<std::pair<HintedControl, const char*>, HintedControlCount - 1> WidgetNames{{
    {HintedControl::ChannelDisplayTens, "txtCN_0"},
    {HintedControl::ChannelDisplayUnits, "txtCN_1"},
    {HintedControl::ChannelEnable, "chkCEnable"},
    {HintedControl::ChannelDuplex, "chkCDup"},
    {HintedControl::ChannelTxEnable, "chkCTXEnable"},
    {HintedControl::ChannelTxOnly, "chkCTXOnly"},
    {HintedControl::ChannelLowPower, "chkCTXPower"},
    {HintedControl::ChannelScan, "chkCScan"},
    {HintedControl::ChannelRxFrequency, "txtCRF"},
    {HintedControl::ChannelTxFrequency, "txtCTF"},
    {HintedControl::ChannelName, "txtCTag"},
    {HintedControl::ChannelScrambler, "cmbScramble"},
    {HintedControl::ExpGroupChannels, "chkEXP"},
    {HintedControl::UsableGroupFlag, "chkUsable"},
    {HintedControl::StatusName, "txtUsable"},
    {HintedControl::DirectoryEnable, "chkGEnable"},
    {HintedControl::DirectoryDelete, "chkGDelete"},
    {HintedControl::DirectoryName, "txtGPosi"},
    {HintedControl::DirectoryMmsi, "txtGMMSI"},
    {HintedControl::UserMmsi, "txtUserMMSI"},
    {HintedControl::DscDisplay, "cmbDscDisplay"},
    {HintedControl::ClearLog, "cmdFclearLog"},
    {HintedControl::AtisChannelGroup, "chkATISChGroup"},
    {HintedControl::AtisKillerGroup, "chkATISKiller"},
    {HintedControl::AtisCode, "txtATIScode"},
    {HintedControl::CallSignMid, "txtATISMid"},
    {HintedControl::CallSignDisplay, "txtATISDisp"},
    {HintedControl::WeatherEnable, "chkDEnable"},
    {HintedControl::WeatherScan, "chkDScan"},
    {HintedControl::WeatherName, "txtDTagName"},
    {HintedControl::NavigationTree, "tvTreeView"},
    {HintedControl::ChannelGrid, "MSFlexGrid1"},
    {HintedControl::DirectoryGrid, "MSFlexGrid2"},
}};

// Every other control has a name above; the setting pages' combo boxes are named by their
// page and setting ("cmbCommonScan", "cmbUsableDscBeepOut_3").
constexpr std::array<const char*, 3> SettingChoicePrefixes{"cmbCommon", "cmbUsable", "cmbDsc"};

// "chkUsable_2" belongs to the group "chkUsable".
QString GroupOf(const QString& name) {
    static const QRegularExpression indexed("^(.+)_[0-9]+$");
    const QRegularExpressionMatch match = indexed.match(name);
    return match.hasMatch() ? match.captured(1) : name;
}

} // namespace

std::optional<HintedControl> HintedControlOf(const QString& objectName) {
    const QString group = GroupOf(objectName);
    for (const QString& name : {objectName, group}) {
        for (const auto& [control, widgetName] : WidgetNames) {
            if (name == QLatin1String(widgetName)) {
                return control;
            }
        }
    }
    for (const char* prefix : SettingChoicePrefixes) {
        if (group.startsWith(QLatin1String(prefix))) {
            return HintedControl::SettingChoice;
        }
    }
    return std::nullopt;
}

} // namespace tq58
