#pragma once

class QMenu;

namespace tq58 {

class SettingsStore;

// Options > Language: the languages the window speaks, the user's choice checked. A choice is
// remembered for the user and takes effect at the next start, as the menu says.
void AddLanguageMenu(QMenu* options, SettingsStore& store);

} // namespace tq58
