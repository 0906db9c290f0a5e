#pragma once

#include "model/SettingsRecord.h"

#include <QString>
#include <vector>

namespace tq58 {

// A file or a CSV import that switches channel 16 off is taken as it is, with a warning: the
// path, then the groups that have it off now and had not before (GroupsWithChannel16Off).
// Empty when there are none.
QString Channel16OffWarning(const QString& path, const SettingsRecord& settings,
                            const std::vector<int>& offBefore = {});

} // namespace tq58
