#include "editor/ControlHints.h"

#include "editor/DirectoryRules.h"
#include "editor/FieldKeys.h"
#include "editor/SettingEntries.h"

#include <algorithm>
#include <vector>

namespace tq58 {

namespace {

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

struct Described {
    HintedControl control;
    Phrase hint;
    int helpContext;
};

const Phrase GridHint =
    Fixed(TQ58_PHRASE("Hints", "[Double click],[Enter]:Jump the Setting screen."));

const std::vector<Described>& Descriptions() {
    using enum HintedControl;
    static const std::vector<Described> described{
        {ChannelDisplayTens, Fixed(TQ58_PHRASE("Hints", "Indispensable 2 figures.")), 0},
        {ChannelDisplayUnits, Fixed(TQ58_PHRASE("Hints", "Indispensable 1 figures.")), 0},
        {ChannelEnable, CheckHint, 1028},
        {ChannelDuplex, CheckHint, 1030},
        {ChannelTxEnable, CheckHint, 1029},
        {ChannelTxOnly, CheckHint, 1031},
        {ChannelLowPower, CheckHint, 1032},
        {ChannelScan, CheckHint, 1033},
        {ChannelRxFrequency, Fixed(TQ58_PHRASE("Hints", "Rx frequency")), 0},
        {ChannelTxFrequency, Fixed(TQ58_PHRASE("Hints", "Tx frequency")), 0},
        {ChannelName, NameHint(ChannelNameLength), 1034},
        {ChannelScrambler, ComboHint, 1064},
        {ExpGroupChannels, CheckHint, 0},
        {UsableGroupFlag, CheckHint, 0},
        {StatusName, Fixed(TQ58_PHRASE("Hints", "max 4 charactors.")), 0},
        {SettingChoice, ComboHint, 0},
        {DirectoryEnable, CheckHint, 1049},
        {DirectoryDelete, CheckHint, 1049},
        {DirectoryName, NameHintWithStop(DirectoryNameLength), 1050},
        {DirectoryMmsi, FiguresHint(EnteredMmsiLength(IndividualDirectory)), 1051},
        {UserMmsi, FiguresHint(UserMmsiLength), 0},
        {DscDisplay, ComboHint, 0},
        {ClearLog, Fixed(TQ58_PHRASE("Hints", "A Click Inicializes the log")), 0},
        {AtisChannelGroup, CheckHint, 0},
        {AtisKillerGroup, CheckHint, 0},
        {AtisCode, FiguresHint(AtisCodeLength), 0},
        {CallSignMid, FiguresHint(CallSignLength), 0},
        {CallSignDisplay, Fixed(TQ58_PHRASE("Hints", "Indispensable 3 figures.")), 0},
        {WeatherEnable, Fixed(TQ58_PHRASE("Hints", "Select[x]Enable/[]Disable.")), 1028},
        {WeatherScan, CheckHint, 1033},
        {WeatherName, NameHint(ChannelNameLength), 1034},
        {NavigationTree,
         Fixed(TQ58_PHRASE("Hints", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.")),
         1054},
        {ChannelGrid, GridHint, 1022},
        {DirectoryGrid, GridHint, 0},
    };
    return described;
}

const Described& DescriptionOf(HintedControl control) {
    static const Described none{control, {}, 0};
    const auto& described = Descriptions();
    const auto found = std::find_if(described.begin(), described.end(),
                                    [control](const Described& d) { return d.control == control; });
    return found == described.end() ? none : *found;
}

} // namespace

Phrase StatusHint(HintedControl control) {
    return DescriptionOf(control).hint;
}

Phrase DirectoryMmsiHint(int directory) {
    return FiguresHint(EnteredMmsiLength(directory));
}

int HelpContextFor(HintedControl control) {
    return DescriptionOf(control).helpContext;
}

} // namespace tq58
