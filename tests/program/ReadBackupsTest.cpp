#include "program/ReadBackups.h"

#include "support/ScratchFolder.h"

#include <future>
#include <gtest/gtest.h>
#include <set>

using namespace tq58;

namespace {

BackupTime At(int second) {
    return {2026, 12, 6, 17, 10, second};
}

std::string NameOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

} // namespace

TEST(ReadBackups, KeepsTheNewestOfEachModelAndNothingElseGoes) {
    test::ScratchFolder folder;
    folder.Write("notes.txt", "mine");
    folder.Write("RV7700A_old.hex", "not a backup name");
    Image image{};
    image[5] = 0x42;
    ASSERT_TRUE(KeepReadBackup(folder.Path(), "RV7700AM", image, At(0), 2).Ok);
    for (int second = 1; second <= 4; ++second) {
        ASSERT_TRUE(KeepReadBackup(folder.Path(), "RV7700A", image, At(second), 2).Ok);
    }
    // Two reads within one second both stay.
    ASSERT_TRUE(KeepReadBackup(folder.Path(), "RV7700A", image, At(4), 3).Ok);

    std::vector<std::string> kept;
    for (const std::string& path : ListBackups(folder.Path(), "RV7700A")) {
        kept.push_back(NameOf(path));
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"RV7700A_2026-12-06_171003.hex",
                                              "RV7700A_2026-12-06_171004.hex",
                                              "RV7700A_2026-12-06_171004-2.hex"}));
    EXPECT_EQ(ListBackups(folder.Path(), "RV7700AM").size(), 1u);
    EXPECT_EQ(folder.Read("notes.txt"), "mine");
    EXPECT_EQ(folder.Read("RV7700A_old.hex"), "not a backup name");
    EXPECT_EQ(folder.Read("RV7700A_2026-12-06_171003.hex"),
              std::string(image.begin(), image.end()));
}

// Reads that end within one second on several ports at once each keep their own backup, listed
// in the order of their numbers ("-10" after "-9").
TEST(ReadBackups, ReadsEndingTogetherKeepABackupEach) {
    test::ScratchFolder folder;
    std::vector<std::future<bool>> reads;
    for (std::uint8_t port = 1; port <= 11; ++port) {
        reads.push_back(std::async(std::launch::async, [&folder, port] {
            Image image{};
            image[0] = port;
            return KeepReadBackup(folder.Path(), "RV7700A", image, At(0)).Ok;
        }));
    }
    std::set<char> ports;
    for (std::future<bool>& read : reads) {
        EXPECT_TRUE(read.get());
    }
    const std::vector<std::string> backups = ListBackups(folder.Path(), "RV7700A");
    for (std::size_t i = 0; i < backups.size(); ++i) {
        ports.insert(folder.Read(NameOf(backups[i])).front());
        const std::string number = i == 0 ? "" : "-" + std::to_string(i + 1);
        EXPECT_EQ(NameOf(backups[i]), "RV7700A_2026-12-06_171000" + number + ".hex");
    }
    EXPECT_EQ(ports.size(), 11u);
}

TEST(ReadBackups, AFolderThatCannotBeWrittenIsReportedAndKeepsWhatItHas) {
    test::ScratchFolder folder;
    folder.Write("blocked", "a file where the folder should be");
    const Outcome outcome = KeepReadBackup(folder.File("blocked"), "RV7200A", Image{}, At(0));
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.Message, BackupErrorMessage);
    EXPECT_FALSE(outcome.LogDetail.empty());
    EXPECT_EQ(folder.Read("blocked"), "a file where the folder should be");
}
