#pragma once

#include "model/Phrase.h"

#include <string>

namespace tq58 {

// A control is known by its name; a control of an indexed group carries "_" and its index
// ("chkUsable_2"), and the group shares one hint and one help context.

// The one-line keyboard hint the status bar shows while the control has the focus; empty
// for a control without one. The window shows it translated, StatusHintFor in English.
Phrase StatusHint(const std::string& controlName);
std::string StatusHintFor(const std::string& controlName);
// The directory entry's MMSI field (txtGMMSI) takes 9 digits for a station and 8 for a group.
Phrase DirectoryMmsiHint(int directory);

// The help context of the control (F1); 0 for none.
int HelpContextFor(const std::string& controlName);

inline constexpr int HelpContentsContext = 1001;
inline constexpr int TransferHelpContext = 1012;

} // namespace tq58
