#include "program/SettingsStore.h"

namespace tq58 {

std::string MemorySettingsStore::Read(const std::string& section, const std::string& key,
                                      const std::string& fallback) const {
    const auto found = values_.find({section, key});
    return found == values_.end() ? fallback : found->second;
}

void MemorySettingsStore::Write(const std::string& section, const std::string& key,
                                const std::string& value) {
    values_[{section, key}] = value;
}

} // namespace tq58
