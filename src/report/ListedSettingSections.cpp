#include "report/DescribedSettings.h"
#include "report/ListedSettings.h"

namespace tq58 {

void ListSettingSections(SettingsListing& listing, const RadioData& data,
                         const ListingScope& scope) {
    listing.Section("Model");
    listing.Add("", "Model", scope.ModelName, scope.ModelName);
    for (const DescribedSection& section : DescribeSettingSections(data, scope.Atis)) {
        for (const ListedSetting& setting : section.Settings) {
            listing.Append(setting);
        }
    }
}

} // namespace tq58
