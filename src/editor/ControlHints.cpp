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
    Phrase text;
};

Phrase Fixed(const char* context, const char* text) {
    return Phrase{context, text, {}};
}

const Phrase CheckHint = Fixed(TQ58_PHRASE("Hints", "[Space]:An effective and invalid change."));
const Phrase ComboHint = Fixed(TQ58_PHRASE("Hints", "[Up]/[Down]:Change of a Selection item."));

// The hints of the length-limited fields say the limit the field itself keeps.
Phrase NameHint(int length) {
    return Phrase{TQ58_PHRASE("Hints", "A maximum of %1 characters"), {std::to_string(length)}};
}

Phrase NameHintWithStop(int length) {
    return Phrase{TQ58_PHRASE("Hints", "A maximum of %1 characters."), {std::to_string(length)}};
}

Phrase FiguresHint(int length) {
    return Phrase{TQ58_PHRASE("Hints", "Numeric Only. Indispensable %1 figures."),
                  {std::to_string(length)}};
}

// Exact names first: the two channel-display fields share a group but not a hint.
const std::vector<Hint>& Hints() {
    static const std::vector<Hint> hints{
        {"txtCN_0", Fixed(TQ58_PHRASE("Hints", "Indispensable 2 figures."))},
        {"txtCN_1", Fixed(TQ58_PHRASE("Hints", "Indispensable 1 figures."))},
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
        {"chkDEnable", Fixed(TQ58_PHRASE("Hints", "Select[x]Enable/[]Disable."))},
        {"cmbScramble", ComboHint},
        {"cmbDscDisplay", ComboHint},
        {"tvTreeView",
         Fixed(TQ58_PHRASE("Hints", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."))},
        {"MSFlexGrid1",
         Fixed(TQ58_PHRASE("Hints", "[Double click],[Enter]:Jump the Setting screen."))},
        {"MSFlexGrid2",
         Fixed(TQ58_PHRASE("Hints", "[Double click],[Enter]:Jump the Setting screen."))},
        {"cmdFclearLog", Fixed(TQ58_PHRASE("Hints", "A Click Inicializes the log"))},
        {"txtCRF", Fixed(TQ58_PHRASE("Hints", "Rx frequency"))},
        {"txtCTF", Fixed(TQ58_PHRASE("Hints", "Tx frequency"))},
        {"txtCTag", NameHint(ChannelNameLength)},
        {"txtDTagName", NameHint(ChannelNameLength)},
        {"txtGPosi", NameHintWithStop(DirectoryNameLength)},
        {"txtUsable", Fixed(TQ58_PHRASE("Hints", "max 4 charactors."))},
        {"txtGMMSI", FiguresHint(EnteredMmsiLength(IndividualDirectory))},
        {"txtUserMMSI", FiguresHint(UserMmsiLength)},
        {"txtAutoPosMMSI", FiguresHint(UserMmsiLength)},
        {"txtATIScode", FiguresHint(AtisCodeLength)},
        {"txtATISMid", FiguresHint(CallSignLength)},
        {"txtATISDisp", Fixed(TQ58_PHRASE("Hints", "Indispensable 3 figures."))},
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

Phrase StatusHint(const std::string& controlName) {
    const std::string_view group = GroupOf(controlName);
    for (const Hint& hint : Hints()) {
        if (hint.control == controlName || hint.control == group) {
            return hint.text;
        }
    }
    return IsSettingCombo(group) ? ComboHint : Phrase{};
}

std::string StatusHintFor(const std::string& controlName) {
    return StatusHint(controlName).English();
}

Phrase DirectoryMmsiHint(int directory) {
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
