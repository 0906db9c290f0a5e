#include "support/RadioFixtures.h"

#include "model/ChannelPlans.h"

#include <algorithm>

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

} // namespace tq58::test
