#include "editor/ControlHints.h"

#include "editor/DirectoryRules.h"
#include "editor/FieldKeys.h"
#include "editor/SettingEntries.h"

#include <array>
#include <string_view>
#include <vector>

namespace tq58 {

namespace {

struct Hint {
    std::string_view control;
    std::string text;
};

constexpr std::string_view CheckHint = "[Space]:An effective and invalid change.";
constexpr std::string_view ComboHint = "[Up]/[Down]:Change of a Selection item.";

// The hints of the length-limited fields say the limit the field itself keeps.
std::string NameHint(int length, std::string_view end) {
    return "A maximum of " + std::to_string(length) + " characters" + std::string(end);
}

std::string FiguresHint(int length) {
    return "Numeric Only. Indispensable " + std::to_string(length) + " figures.";
}

// Exact names first: the two channel-display fields share a group but not a hint.
const std::vector<Hint>& Hints() {
    static const std::vector<Hint> hints{
        {"txtCN_0", "Indispensable 2 figures."},
        {"txtCN_1", "Indispensable 1 figures."},
        {"chkCEnable", std::string(CheckHint)},
        {"chkCDup", std::string(CheckHint)},
        {"chkCTXEnable", std::string(CheckHint)},
        {"chkCTXOnly", std::string(CheckHint)},
        {"chkCTXPower", std::string(CheckHint)},
        {"chkCScan", std::string(CheckHint)},
        {"chkEXP", std::string(CheckHint)},
        {"chkUsable", std::string(CheckHint)},
        {"chkGEnable", std::string(CheckHint)},
        {"chkGDelete", std::string(CheckHint)},
        {"chkUsableDscAutoPosRequest", std::string(CheckHint)},
        {"chkUsableDscAutoPosRequestRemote", std::string(CheckHint)},
        {"chkATISChGroup", std::string(CheckHint)},
        {"chkATISKiller", std::string(CheckHint)},
        {"chkDScan", std::string(CheckHint)},
        {"chkDEnable", "Select[x]Enable/[]Disable."},
        {"cmbScramble", std::string(ComboHint)},
        {"cmbDscDisplay", std::string(ComboHint)},
        {"tvTreeView", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."},
        {"MSFlexGrid1", "[Double click],[Enter]:Jump the Setting screen."},
        {"MSFlexGrid2", "[Double click],[Enter]:Jump the Setting screen."},
        {"cmdFclearLog", "A Click Inicializes the log"},
        {"txtCRF", "Rx frequency"},
        {"txtCTF", "Tx frequency"},
        {"txtCTag", NameHint(ChannelNameLength, "")},
        {"txtDTagName", NameHint(ChannelNameLength, "")},
        {"txtGPosi", NameHint(DirectoryNameLength, ".")},
        {"txtUsable", "max 4 charactors."},
        {"txtGMMSI", FiguresHint(EnteredMmsiLength(IndividualDirectory))},
        {"txtUserMMSI", FiguresHint(UserMmsiLength)},
        {"txtAutoPosMMSI", FiguresHint(UserMmsiLength)},
        {"txtATIScode", FiguresHint(AtisCodeLength)},
        {"txtATISMid", FiguresHint(CallSignLength)},
        {"txtATISDisp", "Indispensable 3 figures."},
    };
    return hints;
}

struct Context {
    std::string_view control;
    int number;
};

constexpr std::array<Context, 17> Contexts{{
    {"tvTreeView", 1054},
    {"MSFlexGrid1", 1022},
    {"chkGEnable", 1049},
    {"chkGDelete", 1049},
    {"txtGPosi", 1050},
    {"txtGMMSI", 1051},
    {"chkCEnable", 1028},
    {"chkDEnable", 1028},
    {"chkCTXEnable", 1029},
    {"chkCDup", 1030},
    {"chkCTXOnly", 1031},
    {"chkCTXPower", 1032},
    {"chkCScan", 1033},
    {"chkDScan", 1033},
    {"txtCTag", 1034},
    {"txtDTagName", 1034},
    {"cmbScramble", 1064},
}};

// "chkUsable_2" belongs to the group "chkUsable".
std::string_view GroupOf(std::string_view name) {
    const auto underscore = name.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 == name.size()) {
        return name;
    }
    for (std::size_t i = underscore + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return name;
        }
    }
    return name.substr(0, underscore);
}

// Combo boxes of the setting pages are named by their page and setting
// ("cmbCommonScan", "cmbUsableDscBeepOut_3"); they all share the combo-box hint.
bool IsSettingCombo(std::string_view group) {
    for (std::string_view prefix : {"cmbCommon", "cmbUsable", "cmbDsc"}) {
        if (group.substr(0, prefix.size()) == prefix) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string StatusHintFor(const std::string& controlName) {
    const std::string_view group = GroupOf(controlName);
    for (const Hint& hint : Hints()) {
        if (hint.control == controlName || hint.control == group) {
            return hint.text;
        }
    }
    return IsSettingCombo(group) ? std::string(ComboHint) : "";
}

std::string DirectoryMmsiHint(int directory) {
    return FiguresHint(EnteredMmsiLength(directory));
}

int HelpContextFor(const std::string& controlName) {
    const std::string_view group = GroupOf(controlName);
    for (const Context& context : Contexts) {
        if (context.control == group) {
            return context.number;
        }
    }
    return 0;
}

} // namespace tq58
