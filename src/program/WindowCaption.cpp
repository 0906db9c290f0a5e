#include "program/WindowCaption.h"

#include <cctype>

namespace tq58 {

std::string WindowCaption(const std::string& programTitle, const std::string& currentFileName) {
    std::string caption = std::string(AppTitle) + "  " + programTitle;
    if (currentFileName.empty()) {
        return caption;
    }
    const auto slash = currentFileName.find_last_of("/\\");
    std::string name = currentFileName.substr(slash == std::string::npos ? 0 : slash + 1);
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return caption + " - " + name;
}

} // namespace tq58
