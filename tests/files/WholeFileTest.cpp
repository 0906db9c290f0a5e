#include "files/WholeFile.h"

#include "files/DurableWrite.h"
#include "files/NativePath.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <climits>
#include <future>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace tq58::test {
namespace {

namespace fs = std::filesystem;

// Links, named pipes and devices as outputs are the POSIX systems' own.
#ifndef _WIN32
// Every kind of output once: files and links end with the new bytes in a file, links stay
// links, a pipe and a device are written into and stay what they are, a folder is refused
// and keeps what it holds. No temporary file is left anywhere.
TEST(WholeFile, EachKindOfOutputGetsTheBytesOrARefusal) {
    ScratchFolder folder;
    folder.Write("plain.txt", "old");
    folder.Write("real.txt", "old");
    fs::create_symlink(folder.File("real.txt"), folder.File("link.txt"));
    fs::create_symlink("made.txt", folder.File("dangling.txt"));
    fs::create_directory(folder.File("folder.txt"));
    folder.Write("folder.txt/inside", "keep");
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    // Where the test may make devices (as root), a fault here could replace the system's own
    // /dev/null: it writes to a null device of its own then. Elsewhere /dev is not writable.
    std::string device = folder.File("null");
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        device = "/dev/null";
    }

    for (const char* name : {"plain.txt", "link.txt", "dangling.txt"}) {
        EXPECT_TRUE(ReplaceFileContents(folder.File(name), "new").Ok) << name;
    }
    auto piped = std::async(std::launch::async, [&] { return folder.Read("pipe"); });
    EXPECT_TRUE(ReplaceFileContents(folder.File("pipe"), "through").Ok);
    EXPECT_EQ(piped.get(), "through");
    EXPECT_TRUE(ReplaceFileContents(device, "nothing").Ok);
    const Outcome refused = ReplaceFileContents(folder.File("folder.txt"), "new");

    EXPECT_FALSE(refused.Ok);
    EXPECT_EQ(refused.LogDetail, "cannot write " + folder.File("folder.txt") + ": a folder");
    EXPECT_EQ(folder.Read("folder.txt/inside"), "keep");
    for (const char* name : {"plain.txt", "real.txt", "made.txt"}) {
        EXPECT_EQ(folder.Read(name), "new") << name;
    }
    EXPECT_TRUE(fs::is_symlink(folder.File("link.txt")));
    EXPECT_TRUE(fs::is_symlink(folder.File("dangling.txt")));
    EXPECT_TRUE(fs::is_fifo(folder.File("pipe")));
    EXPECT_TRUE(fs::is_character_file(device));
    std::vector<std::string> names = folder.Names();
    std::erase(names, "null");
    EXPECT_EQ(names, (std::vector<std::string>{"dangling.txt", "folder.txt", "link.txt", "made.txt",
                                               "pipe", "plain.txt", "real.txt"}));
}
#endif

// A name with blanks and letters beyond ASCII and beyond Windows' ANSI code page ("Zoë",
// "Łódź") is saved, read and listed under exactly that name.
TEST(WholeFile, NamesWithBlanksAndAnyLettersAreKept) {
    ScratchFolder folder;
    const std::string user = folder.Path() + "/Zo\xC3\xAB";
    const std::string file = user + "/Boot 1 \xC5\x81\xC3\xB3\x64\xC5\xBA.dat";
    fs::create_directory(NativePath(user));

    ASSERT_TRUE(ReplaceFileContents(file, "saved").Ok);
    std::string back;
    ASSERT_TRUE(ReadWholeFile(file, back).Ok);

    EXPECT_EQ(back, "saved");
    const fs::directory_iterator listed(NativePath(user));
    ASSERT_NE(listed, fs::directory_iterator());
    EXPECT_TRUE(listed->path().filename() == fs::path(u8"Boot 1 \u0141\u00F3d\u017A.dat"))
        << NameOfPath(listed->path().filename());
}

// A killed save leaves its temporary file; the next save to the same output removes it once
// its process has ended, and leaves a running save's, other outputs' and every name a save
// does not make alone: they may be the user's own files.
TEST(WholeFile, LeftoversOfEndedProcessesAreRemoved) {
    ScratchFolder folder;
    const std::string dead = std::to_string(INT_MAX); // above any process id the system gives
    const std::string alive = std::to_string(CurrentProcessId());
    std::vector<std::string> kept{"a.dat.tq58-" + alive + "-0.tmp",
                                  "b.dat.tq58-" + dead + "-0.tmp"};
    for (const char* writer : {"2024-notes about the boat", "0-1", "-5-1", "+7-1", "07-1", "7-",
                               "7-1.tmp", "7-1-2", "2147483648-0", "93481122334455-0"}) {
        kept.push_back("a.dat.tq58-" + std::string(writer) + ".tmp");
    }
    std::sort(kept.begin(), kept.end());
    for (const std::string& name : kept) {
        folder.Write(name, "partial");
    }
    folder.Write("a.dat.tq58-" + dead + "-3.tmp", "partial");

    ASSERT_TRUE(ReplaceFileContents(folder.File("a.dat"), "new").Ok);

    kept.insert(kept.begin(), "a.dat");
    EXPECT_EQ(folder.Names(), kept);
}

} // namespace
} // namespace tq58::test
