#pragma once

#include <string>
#include <string_view>

namespace tq58 {

// What the command line switches on: "/D" debug mode, "/E" low speed, "/DE" or "/ED" both.
struct StartOptions {
    bool DebugMode = false;
    bool LowSpeedMode = false;
};

// The whole command line is compared as one text, without regard to case and surrounding
// blanks: "/D /E" is not a switch the program knows and sets nothing.
StartOptions ParseCommandLine(std::string_view commandLine);

} // namespace tq58
