#include "support/RadioFixtures.h"

#include "model/ChannelPlans.h"

#include <algorithm>
#include <sstream>

namespace tq58::test {

namespace {

// Entries read: label "TAG" (flags); flags R receive only, D duplex, L low power.
const char* const usaChartText =
    R"(01A "VTS"; 05A "VTS"; 06 "SAFTY"; 07A "COMMERCIAL"; 08 "COMMERCIAL"; )"
    R"(09 "CALLING"; 10 "COMMERCIAL"; 11 "VTS"; 12 "VTS"; 13 "BRG/BRG" (L); 14 "VTS"; )"
    R"(15 "COMMERCIAL" (R); 16 "DISTRESS"; 17 "SAR" (L); 18A "COMMERCIAL"; )"
    R"(19A "COMMERCIAL"; 20 "PORT OPR" (D); 20A "PORT OPR"; 21A "CCG"; 22A "USCG"; )"
    R"(23A "USCG"; 24 "TELEPHONE" (D); 25 "TELEPHONE" (D); 26 "TELEPHONE" (D); )"
    R"(27 "TELEPHONE" (D); 28 "TELEPHONE" (D); 63A "VTS"; 65A "PORT OPR"; )"
    R"(66A "PORT OPR"; 67 "BRG/BRG" (L); 68 "SHIP-SHIP"; 69 "PLEASURE"; 70 "DSC" (R); )"
    R"(71 "PLEASURE"; 72 "SHIP-SHIP"; 73 "PORT OPR"; 74 "PORT OPR"; 75 "PORT OPR" (L); )"
    R"(76 "PORT OPR" (L); 77 "PORT OPR" (L); 78A "SHIP-SHIP"; 79A "SHIP-SHIP"; )"
    R"(80A "SHIP-SHIP"; 81A "CCG"; 82A "CCG"; 83A "USCG"; 84 "TELEPHONE" (D); )"
    R"(85 "TELEPHONE" (D); 86 "TELEPHONE" (D); 87A "COMMERCIAL"; 88A "COMMERCIAL")";

const char* const internationalChartText =
    R"(01 "TELEPHONE" (D); 02 "TELEPHONE" (D); 03 "TELEPHONE" (D); 04 "INTL" (D); )"
    R"(05 "INTL" (D); 06 "SAFTY"; 07 "INTL" (D); 08 "COMMERCIAL"; 09 "CALLING"; )"
    R"(10 "COMMERCIAL"; 11 "VTS"; 12 "VTS"; 13 "BRG/BRG"; 14 "VTS"; )"
    R"(15 "COMMERCIAL" (L); 16 "DISTRESS"; 17 "SAR" (L); 18 "INTL" (D); 19 "INTL" (D); )"
    R"(20 "PORT OPR" (D); 21 "INTL" (D); 22 "INTL" (D); 23 "INTL" (D); )"
    R"(24 "TELEPHONE" (D); 25 "TELEPHONE" (D); 26 "TELEPHONE" (D); 27 "TELEPHONE" (D); )"
    R"(28 "TELEPHONE" (D); 60 "TELEPHONE" (D); 61 "INTL" (D); 62 "INTL" (D); )"
    R"(63 "INTL" (D); 64 "TELEPHONE" (D); 65 "INTL" (D); 66 "INTL" (D); 67 "BRG/BRG"; )"
    R"(68 "SHIP-SHIP"; 69 "PLEASURE"; 70 "DSC" (R); 71 "PLEASURE"; 72 "SHIP-SHIP"; )"
    R"(73 "PORT OPR"; 74 "PORT OPR"; 75 "PORT OPR" (L); 76 "PORT OPR" (L); )"
    R"(77 "PORT OPR"; 78 "INTL" (D); 79 "INTL" (D); 80 "INTL" (D); 81 "INTL" (D); )"
    R"(82 "INTL" (D); 83 "INTL" (D); 84 "TELEPHONE" (D); 85 "TELEPHONE" (D); )"
    R"(86 "TELEPHONE" (D); 87 "PORT OPR"; 88 "PORT OPR")";

const char* const canadaChartText =
    R"(01 "TELEPHONE" (D); 02 "TELEPHONE" (D); 03 "TELEPHONE" (D); 04A "CCG"; )"
    R"(05A "VTS"; 06 "SAFETY"; 07A "COMMERCIAL"; 08 "COMMERCIAL"; 09 "CALLING"; )"
    R"(10 "COMMERCIAL"; 11 "VTS"; 12 "VTS"; 13 "BRG/BRG" (L); 14 "VTS"; )"
    R"(15 "COMMERCIAL" (L); 16 "DISTRESS"; 17 "SAR" (L); 18A "COMMERCIAL"; )"
    R"(19A "COMMERCIAL"; 20 "PORT OPR" (D, L); 21A "CCG"; 22A "USCG"; 23 "INTL" (D); )"
    R"(24 "TELEPHONE" (D); 25 "TELEPHONE" (D); 26 "TELEPHONE" (D); 27 "TELEPHONE" (D); )"
    R"(28 "TELEPHONE" (D); 60 "TELEPHONE" (D); 61A "CCG"; 62A "CCG"; 63A "SHIP-SHIP"; )"
    R"(64 "TELEPHONE" (D); 64A "COMMERCIAL"; 65A "PORT OPR"; 66A "PORT OPR" (L); )"
    R"(67 "BRG/BRG"; 68 "SHIP-SHIP"; 69 "PLEASURE"; 70 "DSC" (R); 71 "PLEASURE"; )"
    R"(72 "SHIP-SHIP"; 73 "PORT OPR"; 74 "PORT OPR"; 75 "PORT OPR" (L); )"
    R"(76 "PORT OPR" (L); 77 "PORT OPR" (L); 78A "SHIP-SHIP"; 79A "SHIP-SHIP"; )"
    R"(80A "SHIP-SHIP"; 81A "CCG"; 82A "CCG"; 83 "CCG" (D); 83A "CCG"; )"
    R"(84 "TELEPHONE" (D); 85 "TELEPHONE" (D); 86 "TELEPHONE" (D); 87 "PORT OPR"; )"
    R"(88 "PORT OPR")";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ChartChannel ParseChartEntry(const std::string& entry) {
    ChartChannel channel;
    const auto tagStart = entry.find('"');
    const auto tagEnd = entry.find('"', tagStart + 1);
    channel.Label = Trimmed(entry.substr(0, tagStart));
    channel.Tag = entry.substr(tagStart + 1, tagEnd - tagStart - 1);
    const std::string flags = entry.substr(tagEnd + 1);
    channel.ReceiveOnly = flags.find('R') != std::string::npos;
    channel.Duplex = flags.find('D') != std::string::npos;
    channel.LowPower = flags.find('L') != std::string::npos;
    return channel;
}

std::vector<ChartChannel> ParseChart(const std::string& text) {
    std::vector<ChartChannel> chart;
    std::istringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ';')) {
        chart.push_back(ParseChartEntry(entry));
    }
    return chart;
}

} // namespace

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

void PutBytes(Image& image, int address, std::initializer_list<std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        image[address++] = byte;
    }
}

void PutBytes(Image& image, int address, const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
}

void PutText(Image& image, int address, const std::string& text) {
    for (const char c : text) {
        image[address++] = static_cast<std::uint8_t>(c);
    }
}

std::vector<std::uint8_t> BytesAt(const Image& image, int address, int count) {
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

std::vector<ChartChannel> UsaChart() {
    return ParseChart(usaChartText);
}
std::vector<ChartChannel> InternationalChart() {
    return ParseChart(internationalChartText);
}
std::vector<ChartChannel> CanadaChart() {
    return ParseChart(canadaChartText);
}

int PositionOfLabel(const std::string& label) {
    const bool suffixA = !label.empty() && label.back() == 'A';
    const int number = std::stoi(suffixA ? label.substr(0, label.size() - 1) : label);
    return 2 * number + (suffixA ? 1 : 0);
}

} // namespace tq58::test
