#pragma once

#include "program/SettingsStore.h"

#include <QSettings>

namespace tq58 {

// The per-user settings in an INI file under the application name "TQ58".
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();

    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback) const override;
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    mutable QSettings settings_;
};

} // namespace tq58
