#pragma once

#include <string>
#include <vector>

namespace tq58 {

// What the command line asks for: "/D" debug mode, "/E" low speed, "/DE" or "/ED" both, and
// a settings file to open after start-up.
struct StartOptions {
    bool DebugMode = false;
    bool LowSpeedMode = false;
    std::string FileName;
};

// The whole command line is first compared as one text, without regard to case and
// surrounding blanks, so "/D /E" is not a switch the program knows and sets nothing. Failing
// that, one word is a file to open, and two words are a switch and a file.
StartOptions ParseCommandLine(const std::vector<std::string>& words);

} // namespace tq58
