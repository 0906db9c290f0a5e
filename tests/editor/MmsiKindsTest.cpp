#include "editor/MmsiKinds.h"

#include "editor/AtisCodeRule.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

const MidTable& Mids() {
    // CR LF, LF and a lone CR end lines; names are UTF-8.
    static const MidTable table = MidTable::FromText("\xEF\xBB\xBF# MID, code, name\n"
                                                     "244\tNL\tNetherlands\r\n"
                                                     "306\tCW\tCura\xC3\xA7"
                                                     "ao\r"
                                                     "366\tUS\tUSA\n"
                                                     "24x\tXX\tnot a MID\n"
                                                     "503\tAU\n");
    return table;
}

TEST(MmsiKinds, EachKindAndItsMid) {
    const struct {
        const char* stored;
        MmsiKind kind;
        const char* mid;
    } cases[] = {
        {"244123456", MmsiKind::ShipStation, "244"},
        {"2441234560", MmsiKind::ShipStation, "244"},
        {"766123456", MmsiKind::ShipStation, "766"},
        {"0366123450", MmsiKind::Group, "366"},
        {"002441234", MmsiKind::CoastStation, "244"},
        {"824412345", MmsiKind::Handheld, "244"},
        {"111244123", MmsiKind::SarAircraft, "244"},
        {"992441234", MmsiKind::AisAid, "244"},
        {"982441234", MmsiKind::AisCraft, "244"},
        {"970123456", MmsiKind::AisSart, ""},
        {"972123456", MmsiKind::Mob, ""},
        {"974123456", MmsiKind::Epirb, ""},
        {"112441234", MmsiKind::NotAnMmsi, ""},
        {"971123456", MmsiKind::NotAnMmsi, ""},
        {"912345678", MmsiKind::NotAnMmsi, ""},
        {"24412345", MmsiKind::NotAnMmsi, ""},
        {"24412345x", MmsiKind::NotAnMmsi, ""},
        {"", MmsiKind::None, ""},
    };
    for (const auto& c : cases) {
        const MmsiReading reading = ReadMmsi(c.stored);
        EXPECT_EQ(reading.Kind, c.kind) << c.stored;
        EXPECT_EQ(reading.Mid, c.mid) << c.stored;
    }
    EXPECT_EQ(ReadMmsi("2441234560").Digits, "244123456");
}

TEST(MmsiKinds, LabelsNameTheCountryAndAnUnknownMidIsOnlyAWarning) {
    EXPECT_EQ(MmsiLabel(ReadMmsi("2441234560"), Mids()).English(), "Ship station \xB7 Netherlands");
    EXPECT_EQ(MmsiLabel(ReadMmsi("0366123450"), Mids()).English(), "Group \xB7 USA");
    EXPECT_EQ(MmsiLabel(ReadMmsi("306123456"), Mids()).English(), "Ship station \xB7 Cura\xE7"
                                                                  "ao");
    EXPECT_EQ(MmsiLabel(ReadMmsi("970123456"), Mids()).English(), "AIS-SART");
    EXPECT_EQ(MmsiLabel(ReadMmsi(""), Mids()).English(), "");
    const MmsiReading unknown = ReadMmsi("824512345");
    EXPECT_EQ(unknown.Kind, MmsiKind::Handheld);
    EXPECT_TRUE(HasUnknownMid(unknown, Mids()));
    EXPECT_EQ(MmsiLabel(unknown, Mids()).English(), "Handheld \xB7 MID 245 unknown");
    // Without a table no MID is called unknown.
    EXPECT_FALSE(HasUnknownMid(unknown, MidTable()));
    EXPECT_EQ(MmsiLabel(unknown, MidTable()).English(), "Handheld");
    EXPECT_EQ(Mids().Find("503"), nullptr);
    EXPECT_TRUE(IsOwnStationKind(MmsiKind::Handheld));
    EXPECT_FALSE(IsOwnStationKind(MmsiKind::CoastStation));
}

TEST(MmsiKinds, TheShippedTableIsRead) {
    MidTable table;
    ASSERT_TRUE(ReadMidTable(TQ58_DATA_DIR, table).Ok);
    ASSERT_NE(table.Find("244"), nullptr);
    EXPECT_EQ(table.Find("244")->Name, "Netherlands");
    const Outcome missing = ReadMidTable("no-such-folder", table);
    EXPECT_EQ(missing.Message, MidTableErrorMessage);
    EXPECT_NE(missing.LogDetail.find("no-such-folder"), std::string::npos);
    EXPECT_NE(table.Find("244"), nullptr);
}

TEST(AtisCodeRule, NineThenAKnownMidThenSixDigits) {
    EXPECT_TRUE(IsAtisCodeInRule("9244123456", Mids()));
    EXPECT_TRUE(IsAtisCodeInRule("", Mids()));
    EXPECT_FALSE(IsAtisCodeInRule("8244123456", Mids()));
    EXPECT_FALSE(IsAtisCodeInRule("9245123456", Mids()));
    EXPECT_FALSE(IsAtisCodeInRule("924412345", Mids()));
    EXPECT_TRUE(IsAtisCodeInRule("9245123456", MidTable()));
}

} // namespace
} // namespace tq58
