#include "editor/StepName.h"

namespace tq58 {

std::string StepName::English() const {
    std::string pattern = Count == 1 && *One ? One : Text.Pattern;
    if (Count >= 0) {
        for (std::size_t at = pattern.find("%n"); at != std::string::npos;
             at = pattern.find("%n", at)) {
            pattern.replace(at, 2, std::to_string(Count));
        }
    }
    return FillPattern(pattern, *Part.Pattern ? std::vector{Part.English()} : Text.Values);
}

} // namespace tq58
