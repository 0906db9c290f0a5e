#pragma once

#include <string>

namespace tq58 {

// The selected model and what it can do.
struct ModelState {
    int ModelType = 0; // 1 = RV7200A, 2 = RV7700A, 11 = RV7700AM; anything else is unknown
    std::string ModelName;
    bool AtisAvailable = false;
    bool ScramblerAvailable = false;
    // The radio's multi-station directory and auto-POS settings stay out of the editor,
    // the files and the report.
    bool MultiStationHidden = true;
};

} // namespace tq58
