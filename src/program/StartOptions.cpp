#include "program/StartOptions.h"

#include "files/TextCase.h"

namespace tq58 {

StartOptions ParseCommandLine(std::string_view commandLine) {
    const std::string text = ToUpperAscii(TrimBlanks(commandLine));
    if (text == "/DE" || text == "/ED") {
        return {true, true};
    }
    return {text == "/D", text == "/E"};
}

} // namespace tq58
