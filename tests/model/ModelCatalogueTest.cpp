#include "model/ModelCatalogue.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(ParseModelTest, NamesInAnyCaseAndModelCodesOnly) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"RV7200A", 1},    {"rv7700am", 11}, {"Rv7700A", 2}, {"11", 11},
        {"2", 2},          {"", {}},         {"RV7700", {}}, {"7700", {}},
        {"RV7700AMX", {}}, {" 2", {}},       {"2x", {}},     {"Unknown model", {}}};
    for (const auto& [text, modelType] : cases) {
        EXPECT_EQ(ParseModel(text), modelType) << "'" << text << "'";
    }
}

} // namespace
} // namespace tq58
