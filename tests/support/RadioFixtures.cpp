#include "support/RadioFixtures.h"

#include "files/SettingsFile.h"
#include "model/ChannelPlans.h"
#include "model/SetupFields.h"
#include "support/TestModels.h"

#include <algorithm>
#include <tuple>

namespace tq58::test {

ModelState ModelOf(int modelType) {
    ModelState model;
    model.ModelType = modelType;
    return model;
}

Image ImageFilledWith(std::uint8_t value) {
    Image image;
    image.fill(value);
    return image;
}

RadioData DataWithPlans(std::uint8_t imageFill) {
    RadioData data;
    data.MemoryImage = ImageFilledWith(imageFill);
    BuildPlan(data.Settings.CHUSA, PlanKind::Usa);
    BuildPlan(data.Settings.CHINT, PlanKind::International);
    BuildPlan(data.Settings.CHCAN, PlanKind::Canada);
    BuildWxList(data.Settings.CHWX);
    return data;
}

void PutBytes(Image& image, int address, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
}

void PutText(Image& image, int address, const std::string& text) {
    std::copy(text.begin(), text.end(), image.begin() + address);
}

Bytes BytesAt(const Image& image, int address, int count) {
    return {image.begin() + address, image.begin() + address + count};
}

std::vector<int> ChangedAddresses(const Image& before, const Image& after) {
    std::vector<int> changed;
    for (int address = 0; address < ImageSize; ++address) {
        if (before[address] != after[address]) {
            changed.push_back(address);
        }
    }
    return changed;
}

namespace {

// What the file does not hold: the plan's own flags and the fields of other lists.
std::vector<std::string> UnfiledDifferences(const SettingsRecord& actual,
                                            const SettingsRecord& expected) {
    const std::pair<const char*, std::vector<ChannelRecord> SettingsRecord::*> lists[] = {
        {"CHUSA", &SettingsRecord::CHUSA},
        {"CHINT", &SettingsRecord::CHINT},
        {"CHCAN", &SettingsRecord::CHCAN},
        {"CHWX", &SettingsRecord::CHWX},
        {"CHEXP", &SettingsRecord::CHEXP}};
    for (const auto& [name, list] : lists) {
        const auto [a, e] = std::mismatch((actual.*list).begin(), (actual.*list).end(),
                                          (expected.*list).begin(), (expected.*list).end());
        if (a != (actual.*list).end() || e != (expected.*list).end()) {
            return {name + ("[" + std::to_string(a - (actual.*list).begin()) + "] differs")};
        }
    }
    for (const SetupField& field : SetupFields()) {
        for (int i = 0; i < field.Times; ++i) {
            const FieldValue a = field.Member.Get(actual, i);
            const FieldValue e = field.Member.Get(expected, i);
            if (a != e) {
                return {"the setup setting at address " + std::to_string(FieldAddress(field, i)) +
                        ": " + std::to_string(a.Number) + a.Text + ", expected " +
                        std::to_string(e.Number) + e.Text};
            }
        }
    }
    return actual == expected ? std::vector<std::string>{}
                              : std::vector<std::string>{"a setting the file does not hold"};
}

} // namespace

std::vector<std::string> RecordDifferences(const SettingsRecord& actual,
                                           const SettingsRecord& expected, std::size_t limit) {
    const ModelState everything = Rv7700A();
    const DataSections a = ParseDataText(SettingsFileText(actual, everything));
    const DataSections e = ParseDataText(SettingsFileText(expected, everything));
    std::vector<std::string> found;
    // Every line of either file, so that one the other leaves out shows too.
    for (const auto& [from, other, fromIsActual] : {std::tuple{&e, &a, false}, {&a, &e, true}}) {
        for (const DataSection& section : from->All()) {
            for (const DataEntry& entry : section.Entries) {
                const std::string* value = other->Find(section.Name, entry.Key);
                if (found.size() < limit &&
                    (fromIsActual ? !value : !value || *value != entry.Value)) {
                    const std::string missing = "(none)";
                    found.push_back(section.Name + " " + entry.Key + ": " +
                                    (fromIsActual ? entry.Value
                                     : value      ? *value
                                                  : missing) +
                                    ", expected " + (fromIsActual ? missing : entry.Value));
                }
            }
        }
    }
    return found.empty() ? UnfiledDifferences(actual, expected) : found;
}

} // namespace tq58::test
