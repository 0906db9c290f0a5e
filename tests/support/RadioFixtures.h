#pragma once

#include "model/MemoryImage.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tq58::test {

// The model state for a model code, with the codec's defaults for everything else.
ModelState ModelOf(int modelType);

Image ImageFilledWith(std::uint8_t value);

// Settings whose plan and weather lists are built, ready for the decoder.
RadioData DataWithPlans(std::uint8_t imageFill);

void PutBytes(Image& image, int address, std::initializer_list<std::uint8_t> bytes);
void PutBytes(Image& image, int address, const std::vector<std::uint8_t>& bytes);
void PutText(Image& image, int address, const std::string& text);
std::vector<std::uint8_t> BytesAt(const Image& image, int address, int count);

// Addresses whose bytes differ between two images, for readable failure messages.
std::vector<int> ChangedAddresses(const Image& before, const Image& after);

// One entry of a channel plan as the radio's chart lists it.
struct ChartChannel {
    std::string Label;
    std::string Tag;
    bool ReceiveOnly = false;
    bool Duplex = false;
    bool LowPower = false;
};

// The three built-in channel plans, written out independently of the program's tables.
std::vector<ChartChannel> UsaChart();
std::vector<ChartChannel> InternationalChart();
std::vector<ChartChannel> CanadaChart();

// Channel-table position of a label such as "16" or "07A": two per channel number.
int PositionOfLabel(const std::string& label);

} // namespace tq58::test
