#include "program/ErrorLog.h"
#include "program/RecentFiles.h"
#include "program/StartOptions.h"
#include "program/UserLanguage.h"
#include "program/UserSettings.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tq58;

TEST(StartOptions, TheWholeCommandLineIsOneSwitchOrASwitchAndAFile) {
    using Words = std::vector<std::string>;
    const struct {
        Words words;
        bool debug;
        bool lowSpeed;
        const char* file;
    } cases[] = {
        {{"  /de "}, true, true, ""},
        {{"/ED"}, true, true, ""},
        {{"/d"}, true, false, ""},
        {{" /E"}, false, true, ""},
        {{"/D", "/E"}, false, false, ""},
        {{}, false, false, ""},
        {{"boat.dat"}, false, false, "boat.dat"},
        {{"/DE", "/home/me/Boat 1.dat"}, true, true, "/home/me/Boat 1.dat"},
        {{"/X", "boat.dat"}, false, false, ""},
        {{"a.dat", "b.dat"}, false, false, ""},
    };
    for (const auto& c : cases) {
        const StartOptions options = ParseCommandLine(c.words);
        EXPECT_EQ(options.DebugMode, c.debug) << c.words.size();
        EXPECT_EQ(options.LowSpeedMode, c.lowSpeed) << c.words.size();
        EXPECT_EQ(options.FileName, c.file) << c.words.size();
    }
}

TEST(UserSettings, ValuesTheProgramNeverWritesFallBackToDefaults) {
    MemorySettingsStore store;
    EXPECT_EQ(StoredPortNumber(store), 2);
    for (const char* bad : {"0", "5", "2.5", "COM3", ""}) {
        store.Write("ComPath", "ComNum", bad);
        EXPECT_EQ(StoredPortNumber(store), 2) << bad;
    }
    StorePortNumber(store, 4);
    EXPECT_EQ(StoredPortNumber(store), 4);

    EXPECT_FALSE(StoredHexVisible(store));
    store.Write("Settings", "hexvisible", "True");
    EXPECT_TRUE(StoredHexVisible(store));

    EXPECT_FALSE(StoredPlacement(store));
    StorePlacement(store, {1500, 300.5, 9105, 6660});
    EXPECT_EQ(store.Read("Settings", "MainTop", ""), "300.5");
    const auto placement = StoredPlacement(store);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->Width, 9105);
    store.Write("Settings", "MainLeft", "left");
    EXPECT_FALSE(StoredPlacement(store));

    EXPECT_EQ(StoredLanguage(store), "");
    StoreLanguage(store, "nl");
    EXPECT_EQ(StoredLanguage(store), "nl");
    store.Write("Settings", "language", "xx");
    EXPECT_EQ(StoredLanguage(store), "");
}

TEST(ErrorLog, AppendsLinesAndFallsBackToTheUserFolder) {
    EXPECT_EQ(ErrorLogLine("06/12/2026", "17:10:01", "frmMain.FileRead2", "53File not found"),
              "06/12/2026,17:10:01:frmMain.FileRead2 -> 53File not found\r\n");

    test::ScratchFolder folder;
    const std::string program = folder.File("program");
    const std::string user = folder.File("user");
    std::filesystem::create_directories(program);
    ASSERT_TRUE(AppendErrorLog(program, user, "a\r\n"));
    ASSERT_TRUE(AppendErrorLog(program, user, "b\r\n"));
#ifdef _WIN32
    // Windows: the user's folder, even beside a program unpacked where it could write.
    EXPECT_EQ(folder.Read("user/err.log"), "a\r\nb\r\n");
    EXPECT_FALSE(std::filesystem::exists(program + "/err.log"));
#else
    EXPECT_EQ(folder.Read("program/err.log"), "a\r\nb\r\n");

    // A program folder that cannot take the log (here: a file in its way).
    folder.Write("blocked", "x");
    const std::string blocked = folder.File("blocked");
    EXPECT_TRUE(AppendErrorLog(blocked, user, "c\r\n"));
    EXPECT_TRUE(std::filesystem::exists(user + "/err.log"));
    EXPECT_FALSE(AppendErrorLog(blocked, blocked, "d\r\n"));

    // An installed program folder is left alone even when it could be written.
    const std::string installed = folder.File("usr/share/tq58");
    std::filesystem::create_directories(installed);
    for (const std::string& named : {installed, installed + "/"}) {
        EXPECT_TRUE(AppendErrorLog(named, user, "e\r\n"));
    }
    EXPECT_FALSE(std::filesystem::exists(installed + "/err.log"));
    EXPECT_EQ(folder.Read("user/err.log"), "c\r\ne\r\ne\r\n");
#endif
}

TEST(RecentFiles, NewestFirstFourAtMostEachOnce) {
    MemorySettingsStore store;
    for (const char* path : {"a.dat", "b.dat", "c.dat", "d.dat", "b.dat", "e.dat"}) {
        RememberRecentFile(store, path);
    }
    EXPECT_EQ(ReadRecentFiles(store),
              (std::vector<std::string>{"e.dat", "b.dat", "d.dat", "c.dat"}));
    ForgetRecentFile(store, "d.dat");
    EXPECT_EQ(ReadRecentFiles(store), (std::vector<std::string>{"e.dat", "b.dat", "c.dat"}));
}
