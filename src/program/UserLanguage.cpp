#include "program/UserLanguage.h"

#include <algorithm>

namespace tq58 {

std::string StoredLanguage(const SettingsStore& store) {
    const std::string code = store.Read("Settings", "language", "");
    const bool offered =
        std::any_of(LanguageChoices.begin(), LanguageChoices.end(),
                    [&](const LanguageChoice& choice) { return choice.Code == code; });
    return offered ? code : std::string();
}

void StoreLanguage(SettingsStore& store, std::string_view code) {
    store.Write("Settings", "language", std::string(code));
}

} // namespace tq58
