#pragma once

#include "model/RadioData.h"
#include "model/ValueLists.h"

#include <string>
#include <vector>

namespace tq58 {

// One setting of the record as a comparison sees it: where the report puts it, the report's
// word for its value, and the stored value itself.
struct ListedSetting {
    std::string Section;
    std::string Entry;
    std::string Field;
    std::string Words;
    std::string Stored;
    // The value is none the window offers for this setting (an offset time beyond its list, a
    // duplex flag on a simplex channel): it is kept as it is unless the user changes it.
    bool Unoffered = false;
};

// What a listing covers beyond the settings every model has.
struct ListingScope {
    std::string ModelName;
    bool Atis = false;
    bool Scrambler = false;
};

// Collects the settings of one record section by section.
class SettingsListing {
public:
    explicit SettingsListing(std::vector<ListedSetting>& settings) : settings_(settings) {}

    void Section(const std::string& heading) { section_ = heading; }
    // A setting listed elsewhere, with its own section.
    void Append(const ListedSetting& setting) { settings_.push_back(setting); }
    void Add(const std::string& entry, const std::string& field, std::string words,
             std::string stored);
    void OnOff(const std::string& entry, const std::string& field, bool value);
    void HiLow(const std::string& entry, const std::string& field, bool value);
    // A flag of a channel table: its column word ("LOW") when set, the table's blank if not.
    void TableFlag(const std::string& entry, const std::string& field, bool value,
                   const std::string& blank);
    void Number(const std::string& entry, const std::string& field, std::string words, long value);
    // Marks the setting added last as holding a value the window does not offer.
    void MarkUnoffered() { settings_.back().Unoffered = true; }
    // A setting chosen from a list: a value outside the list reads "(not set)".
    void Listed(const std::string& entry, const std::string& field, ValueList list,
                std::string words, int value);
    // A name or number text; an empty one reads as dashes.
    void Text(const std::string& entry, const std::string& field, const std::string& text);

private:
    std::vector<ListedSetting>& settings_;
    std::string section_;
};

// The same settings in the same order for every record, so that two listings pair up entry
// by entry: lists are walked to their full size whatever the record holds.
std::vector<ListedSetting> ListSettings(const RadioData& data, const ListingScope& scope);

// The parts of the listing: the setting sections, then the channel tables and directories.
void ListSettingSections(SettingsListing& listing, const RadioData& data,
                         const ListingScope& scope);
void ListTableSections(SettingsListing& listing, const SettingsRecord& settings,
                       const ListingScope& scope);

} // namespace tq58
