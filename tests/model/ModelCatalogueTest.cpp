#include "model/ModelCatalogue.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tq58 {
namespace {

TEST(ModelCatalogueTest, KnownModelsAndNoIdentityForOtherCodes) {
    const std::tuple<int, const char*, int, const char*> known[] = {
        {1, "RV7200A", 7200, "_1C20"},
        {2, "RV7700A", 7700, "_1E14"},
        {11, "RV7700AM", 7700, "-M_1E14"}};
    for (const auto& [modelType, name, code, suffix] : known) {
        EXPECT_EQ(ModelNameOf(modelType, UnknownModelName::Unknown), name);
        EXPECT_EQ(ModelCodeOf(modelType), code);
        EXPECT_EQ(ModelFileSuffix(modelType), suffix);
    }
    for (const int modelType : {0, 3, 12, 7200}) {
        SCOPED_TRACE(modelType);
        EXPECT_EQ(ModelNameOf(modelType), "");
        EXPECT_EQ(ModelNameOf(modelType, UnknownModelName::Unknown), "Unknown model");
        EXPECT_EQ(ModelCodeOf(modelType), 0);
        EXPECT_EQ(ModelFileSuffix(modelType), "");
    }
}

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
