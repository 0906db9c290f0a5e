#include "model/ModelCatalogue.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

struct CatalogueEntry {
    int ModelType;
    const char* Name;
    int ImageCode;
    const char* Suffix;
};

const CatalogueEntry catalogue[] = {
    {1, "RV7200A", 0x1C20, "_1C20"},
    {2, "RV7700A", 0x1E14, "_1E14"},
    {11, "RV7700AM", 0x1E14, "-M_1E14"},
};

TEST(ModelCatalogueTest, KnownModels) {
    for (const CatalogueEntry& entry : catalogue) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(ModelNameOf(entry.ModelType), entry.Name);
        EXPECT_EQ(ModelNameOf(entry.ModelType, UnknownModelName::Unknown), entry.Name);
        EXPECT_EQ(ModelCodeOf(entry.ModelType), entry.ImageCode);
        EXPECT_EQ(ModelFileSuffix(entry.ModelType), entry.Suffix);
    }
    EXPECT_EQ(ModelCodeOf(1), 7200);
    EXPECT_EQ(ModelCodeOf(2), 7700);
}

TEST(ModelCatalogueTest, OtherCodesHaveNoIdentity) {
    for (const int modelType : {0, 3, 10, 12, -1, 7200}) {
        SCOPED_TRACE(modelType);
        EXPECT_EQ(ModelNameOf(modelType), "");
        EXPECT_EQ(ModelNameOf(modelType, UnknownModelName::Empty), "");
        EXPECT_EQ(ModelNameOf(modelType, UnknownModelName::Unknown), "Unknown model");
        EXPECT_EQ(ModelCodeOf(modelType), 0);
        EXPECT_EQ(ModelFileSuffix(modelType), "");
    }
}

TEST(ParseModelTest, AcceptsNamesInAnyCaseAndCodes) {
    EXPECT_EQ(ParseModel("RV7200A"), 1);
    EXPECT_EQ(ParseModel("RV7700A"), 2);
    EXPECT_EQ(ParseModel("RV7700AM"), 11);
    EXPECT_EQ(ParseModel("rv7700am"), 11);
    EXPECT_EQ(ParseModel("Rv7200a"), 1);
    EXPECT_EQ(ParseModel("1"), 1);
    EXPECT_EQ(ParseModel("2"), 2);
    EXPECT_EQ(ParseModel("11"), 11);
}

TEST(ParseModelTest, RejectsAnythingElse) {
    for (const char* text :
         {"", "RV7700", "RV7700AMX", "7700", "1E14", "abc", " 2", "2x", "Unknown model"}) {
        EXPECT_EQ(ParseModel(text), std::nullopt) << "'" << text << "'";
    }
}

} // namespace
} // namespace tq58
