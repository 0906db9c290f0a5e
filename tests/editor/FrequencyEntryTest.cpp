#include "editor/FrequencyEntry.h"

#include "editor/FieldKeys.h"
#include "model/ChannelText.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace tq58 {
namespace {

// What the field shows after an accepted entry, "refused" when it is refused.
std::string Entered(const std::string& text) {
    std::optional<double> megahertz = AcceptedFrequency(text);
    return megahertz ? ExpFreqText(*megahertz) : "refused";
}

TEST(FrequencyEntry, OnlyTheTwentyFiveKilohertzRasterOfTheBandOrNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"156.025", "156.0250"},  {"156.0125", "refused"}, {"156.0500", "156.0500"},
        {"137", "137.0000"},      {"174", "174.0000"},     {"174.025", "refused"},
        {"136.5", "refused"},     {"136.975", "refused"},  {"", "---.----"},
        {"0", "refused"},         {".", "refused"},        {"156.02.5", "refused"},
        {"156.05.5", "156.0500"}, {"99999999", "refused"}};
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(Entered(text), shown) << '"' << text << '"';
    }
    EXPECT_EQ(AcceptedFrequency(""), 0.0);
}

TEST(ChannelFieldKeys, EachFieldTakesOnlyWhatTheRadioCanShowOrStore) {
    const struct {
        bool (*accepts)(char);
        const char* accepted;
        const char* refused;
    } fields[] = {
        {IsFrequencyKey, "0123456789.", "-, eE+a"},
        {IsChannelDisplayKey, "09AbCdEFHLnPtUGIJoqrSy", "aBcDeKMOQRsYxz '-."},
        {IsChannelNameKey, "09AZaz-/*()+., ", "_\xE9'!?#@:;\"\t"},
    };
    for (const auto& field : fields) {
        for (const char* c = field.accepted; *c != '\0'; ++c) {
            EXPECT_TRUE(field.accepts(*c)) << "'" << *c << "' refused by " << field.accepted;
        }
        for (const char* c = field.refused; *c != '\0'; ++c) {
            EXPECT_FALSE(field.accepts(*c)) << "'" << *c << "' accepted by " << field.accepted;
        }
    }
}

} // namespace
} // namespace tq58
