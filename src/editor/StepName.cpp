#include "editor/StepName.h"

namespace tq58 {

std::string StepName::English() const {
    Phrase english = Text;
    english.Pattern = Count == 1 && *One ? One : Text.Pattern;
    std::string name = english.English();
    if (Count >= 0) {
        for (std::size_t at = name.find("%n"); at != std::string::npos; at = name.find("%n", at)) {
            name.replace(at, 2, std::to_string(Count));
        }
    }
    return name;
}

} // namespace tq58
