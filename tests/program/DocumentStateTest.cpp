#include "program/DocumentState.h"

#include <gtest/gtest.h>

using namespace tq58;

namespace {

struct Asked {
    int questions = 0;
    int saves = 0;
};

bool Decide(const DocumentState& document, SaveAnswer answer, bool saveSucceeds, Asked& asked) {
    return MayDiscardChanges(
        document,
        [&] {
            ++asked.questions;
            return answer;
        },
        [&] {
            ++asked.saves;
            return saveSucceeds;
        });
}

} // namespace

TEST(DocumentState, ChangedDataIsReplacedOnlyAfterTheUserAgreed) {
    DocumentState document;
    Asked unchanged;
    EXPECT_TRUE(Decide(document, SaveAnswer::Cancel, false, unchanged));
    EXPECT_EQ(unchanged.questions, 0);

    document.SetChanged(true);
    const struct {
        SaveAnswer answer;
        bool saveSucceeds;
        bool goesOn;
        int saves;
    } cases[] = {
        {SaveAnswer::Cancel, true, false, 0},
        {SaveAnswer::No, false, true, 0},
        {SaveAnswer::Yes, true, true, 1},
        {SaveAnswer::Yes, false, false, 1},
    };
    for (const auto& c : cases) {
        Asked asked;
        EXPECT_EQ(Decide(document, c.answer, c.saveSucceeds, asked), c.goesOn)
            << static_cast<int>(c.answer) << c.saveSucceeds;
        EXPECT_EQ(asked.questions, 1);
        EXPECT_EQ(asked.saves, c.saves);
    }
}

TEST(DocumentState, OnlyASavedOrOpenedSettingsFileMayBeSavedInPlace) {
    DocumentState document;
    document.Replaced("boat.dat", true, false);
    EXPECT_TRUE(document.IsSettingsFile());
    document.SetChanged(true);

    // A read or a backup has no file: the next Save must ask for a name.
    document.Replaced({}, true, true);
    EXPECT_EQ(document.FileName(), "");
    EXPECT_FALSE(document.IsSettingsFile());
    EXPECT_TRUE(document.Changed());

    document.Replaced("radio.hex", false, false);
    EXPECT_FALSE(document.IsSettingsFile());

    document.Saved("copy.dat");
    EXPECT_EQ(document.FileName(), "copy.dat");
    EXPECT_TRUE(document.IsSettingsFile());
    EXPECT_FALSE(document.Changed());
}
