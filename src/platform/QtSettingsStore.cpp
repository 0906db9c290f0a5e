#include "platform/QtSettingsStore.h"

namespace tq58 {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TQ58"),
                QStringLiteral("TQ58")) {}

std::string QtSettingsStore::Read(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return fallback;
    }
    return value.toString().toLatin1().toStdString();
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
    settings_.setValue(KeyPath(section, key), QString::fromLatin1(value));
    settings_.sync();
}

} // namespace tq58
