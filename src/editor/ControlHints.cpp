#include "editor/ControlHints.h"

#include <array>
#include <string_view>

namespace tq58 {

namespace {

struct Hint {
    std::string_view control;
    std::string_view text;
};

constexpr std::string_view CheckHint = "[Space]:An effective and invalid change.";
constexpr std::string_view ComboHint = "[Up]/[Down]:Change of a Selection item.";
constexpr std::string_view MmsiHint = "Numeric Only. Indispensable 9 figures.";
constexpr std::string_view NameHint = "A maximum of 12 characters";

// Exact names first: the two channel-display fields share a group but not a hint.
// The radio's memory has no place for Dual Watch: only the settings file keeps it.
constexpr std::string_view DualWatchHint =
    "[Up]/[Down]:Change of a Selection item. Kept in the file only; set it on the radio.";

constexpr std::array<Hint, 37> Hints{{
    {"cmbCommonDual", DualWatchHint},
    {"txtCN_0", "Indispensable 2 figures."},
    {"txtCN_1", "Indispensable 1 figures."},
    {"chkCEnable", CheckHint},
    {"chkCDup", CheckHint},
    {"chkCTXEnable", CheckHint},
    {"chkCTXOnly", CheckHint},
    {"chkCTXPower", CheckHint},
    {"chkCScan", CheckHint},
    {"chkEXP", CheckHint},
    {"chkUsable", CheckHint},
    {"chkGEnable", CheckHint},
    {"chkGDelete", CheckHint},
    {"chkUsableDscAutoPosRequest", CheckHint},
    {"chkUsableDscAutoPosRequestRemote", CheckHint},
    {"chkATISChGroup", CheckHint},
    {"chkATISKiller", CheckHint},
    {"chkDScan", CheckHint},
    {"chkDEnable", "Select[x]Enable/[]Disable."},
    {"cmbScramble", ComboHint},
    {"cmbDscDisplay", ComboHint},
    {"tvTreeView", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."},
    {"MSFlexGrid1", "[Double click],[Enter]:Jump the Setting screen."},
    {"MSFlexGrid2", "[Double click],[Enter]:Jump the Setting screen."},
    {"cmdFclearLog", "A Click Inicializes the log"},
    {"txtCRF", "Rx frequency"},
    {"txtCTF", "Tx frequency"},
    {"txtCTag", NameHint},
    {"txtDTagName", NameHint},
    {"txtGPosi", "A maximum of 10 characters."},
    {"txtUsable", "max 4 charactors."},
    {"txtGMMSI", MmsiHint},
    {"txtUserMMSI", MmsiHint},
    {"txtAutoPosMMSI", MmsiHint},
    {"txtATIScode", "Numeric Only. Indispensable 10 figures."},
    {"txtATISMid", "Numeric Only. Indispensable 3 figures."},
    {"txtATISDisp", "Indispensable 3 figures."},
}};

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
    for (const Hint& hint : Hints) {
        if (hint.control == controlName || hint.control == group) {
            return std::string(hint.text);
        }
    }
    return IsSettingCombo(group) ? std::string(ComboHint) : "";
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
