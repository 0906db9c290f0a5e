#include "model/Phrase.h"

#include <gtest/gtest.h>

using namespace tq58;

TEST(Phrase, FillsEachPlaceholderOnceWhereverTheTranslationPutsIt) {
    EXPECT_EQ(Phrase({"Rules", "No.%1: %2 needed", {"2", "an MMSI"}}).English(),
              "No.2: an MMSI needed");
    // A translation may reorder the values; a value's own "%1" is not filled again.
    EXPECT_EQ(FillPattern("%2 fehlt in Nr. %1", {"2", "a %1"}), "a %1 fehlt in Nr. 2");
    // A placeholder without a value shows instead of vanishing; a lone "%" stays.
    EXPECT_EQ(FillPattern("%1 of %2, 100%", {"3"}), "3 of %2, 100%");
}
