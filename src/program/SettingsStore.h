#pragma once

#include <map>
#include <string>
#include <utility>

namespace tq58 {

// The per-user settings: texts addressed by section and key ("ComPath", "Settings",
// "IniFilePath").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& fallback) const = 0;
    virtual void Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

// Keeps the settings in memory only: for tests and for the command line, which must not
// depend on a user's stored choices.
class MemorySettingsStore : public SettingsStore {
public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback) const override;
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace tq58
