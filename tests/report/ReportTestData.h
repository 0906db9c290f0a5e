#pragma once

#include "model/ModelState.h"
#include "model/NewData.h"
#include "model/RadioData.h"
#include "support/TestModels.h"

#include <string>
#include <vector>

namespace tq58::test {

inline ModelState Rv7700a(bool atis = true, bool scrambler = true) {
    return ModelState{2, "RV7700A", atis, scrambler, true};
}

// The report's lines; the report begins with a line break, so element 0 is always empty.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace tq58::test
