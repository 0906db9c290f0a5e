#pragma once

#include "model/Outcome.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tq58 {

struct DataEntry {
    std::string Key; // upper case, trimmed
    std::string Value;
};

struct DataSection {
    std::string Name; // upper case, trimmed
    std::vector<DataEntry> Entries;
};

// The sections of a settings text file in file order; names may repeat.
class DataSections {
public:
    void Open(std::string name);
    void Add(std::string key, std::string value);

    const std::vector<DataSection>& All() const { return sections_; }
    // The first value of the key in any section of that name, both compared without case.
    const std::string* Find(std::string_view section, std::string_view key) const;

private:
    std::vector<DataSection> sections_;
    std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

DataSections ParseDataText(std::string_view text);
// A file that cannot be read fails as ReadWholeFile does and leaves sections alone.
Outcome ParseDataFile(const std::string& path, DataSections& sections);

// Empty text when the section or the key is missing.
std::string GetDataValue(const DataSections& sections, std::string_view section,
                         std::string_view key);

} // namespace tq58
