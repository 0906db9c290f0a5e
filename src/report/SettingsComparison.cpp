#include "report/SettingsComparison.h"

#include "report/ListedSettings.h"
#include "report/ReportWords.h"

namespace tq58 {

namespace {

constexpr const char* NoText = "----";

// The word alone where it tells the stored value apart, else the word with the value.
std::string ShownValue(const ListedSetting& setting, const ListedSetting& other) {
    if (setting.Words != other.Words && !setting.Words.empty()) {
        return setting.Words;
    }
    return setting.Words.empty() ? setting.Stored : setting.Words + " (" + setting.Stored + ")";
}

ListingScope ScopeOf(const ModelState& model, const ModelState& other) {
    return ListingScope{model.ModelName, model.AtisAvailable || other.AtisAvailable,
                        model.ScramblerAvailable || other.ScramblerAvailable};
}

} // namespace

void SettingsListing::Add(const std::string& entry, const std::string& field, std::string words,
                          std::string stored) {
    settings_.push_back({section_, entry, field, std::move(words), std::move(stored)});
}

void SettingsListing::OnOff(const std::string& entry, const std::string& field, bool value) {
    Add(entry, field, OnOffText(value), value ? "1" : "0");
}

void SettingsListing::HiLow(const std::string& entry, const std::string& field, bool value) {
    Add(entry, field, HiLowText(value), value ? "1" : "0");
}

void SettingsListing::TableFlag(const std::string& entry, const std::string& field, bool value,
                                const std::string& blank) {
    Add(entry, field, FlagText(value, field, blank), value ? "1" : "0");
}

void SettingsListing::Number(const std::string& entry, const std::string& field, std::string words,
                             long value) {
    Add(entry, field, std::move(words), std::to_string(value));
}

void SettingsListing::Listed(const std::string& entry, const std::string& field, ValueList list,
                             std::string words, int value) {
    const bool listed = IsListed(list, value);
    Number(entry, field, listed ? std::move(words) : NotSetText, value);
    if (!listed) {
        MarkUnoffered();
    }
}

void SettingsListing::Text(const std::string& entry, const std::string& field,
                           const std::string& text) {
    Add(entry, field, text.empty() ? NoText : text, "\"" + text + "\"");
}

std::vector<ListedSetting> ListSettings(const RadioData& data, const ListingScope& scope) {
    std::vector<ListedSetting> settings;
    SettingsListing listing(settings);
    ListSettingSections(listing, data, scope);
    ListTableSections(listing, data.Settings, scope);
    return settings;
}

std::vector<SettingDifference> CompareSettings(const RadioData& a, const ModelState& modelA,
                                               const RadioData& b, const ModelState& modelB) {
    const std::vector<ListedSetting> listedA = ListSettings(a, ScopeOf(modelA, modelB));
    const std::vector<ListedSetting> listedB = ListSettings(b, ScopeOf(modelB, modelA));
    std::vector<SettingDifference> differences;
    for (std::size_t i = 0; i < listedA.size() && i < listedB.size(); ++i) {
        const ListedSetting& one = listedA[i];
        const ListedSetting& other = listedB[i];
        if (one.Stored != other.Stored) {
            differences.push_back({one.Section, one.Entry, one.Field, ShownValue(one, other),
                                   ShownValue(other, one)});
        }
    }
    return differences;
}

std::vector<SettingDifference> UnofferedSettings(const RadioData& data, const ModelState& model) {
    std::vector<SettingDifference> unoffered;
    for (const ListedSetting& setting : ListSettings(data, ScopeOf(model, model))) {
        if (setting.Unoffered) {
            // A value outside its list has no word of its own; the stored value says it.
            const std::string value = setting.Words == NotSetText
                                          ? setting.Stored
                                          : setting.Words + " (" + setting.Stored + ")";
            unoffered.push_back({setting.Section, setting.Entry, setting.Field, value, value});
        }
    }
    return unoffered;
}

std::string DifferenceLine(const SettingDifference& difference) {
    return difference.Section + " | " + difference.Entry + " | " + difference.Field + " | " +
           difference.ValueA + " | " + difference.ValueB;
}

} // namespace tq58
