#pragma once

#include "program/SettingsStore.h"

#include <array>
#include <string>
#include <string_view>

namespace tq58 {

// The languages the window speaks, as the Options menu offers them: each in its own name.
// The empty code follows the desktop's language.
struct LanguageChoice {
    std::string_view Code;
    std::string_view Name;
};

inline constexpr std::array<LanguageChoice, 12> LanguageChoices{{{"", "System"},
                                                                 {"en", "English"},
                                                                 {"de", "Deutsch"},
                                                                 {"nl", "Nederlands"},
                                                                 {"fr", "Français"},
                                                                 {"es", "Español"},
                                                                 {"it", "Italiano"},
                                                                 {"sv", "Svenska"},
                                                                 {"da", "Dansk"},
                                                                 {"nb", "Norsk bokmål"},
                                                                 {"fi", "Suomi"},
                                                                 {"pl", "Polski"}}};

// The user's choice; empty (the desktop's) when none was made or the stored code is not offered.
std::string StoredLanguage(const SettingsStore& store);
void StoreLanguage(SettingsStore& store, std::string_view code);

} // namespace tq58
