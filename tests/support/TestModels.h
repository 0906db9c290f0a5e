#pragma once

#include "model/ModelState.h"
#include "model/NewData.h"
#include "model/RadioData.h"

namespace tq58::test {

// The models as the shipped "global.ini" describes them.
inline ModelState Rv7200A() {
    return {.ModelType = 1, .ModelName = "RV7200A"};
}
inline ModelState Rv7700A(bool atis = true, bool scrambler = true) {
    return {.ModelType = 2,
            .ModelName = "RV7700A",
            .AtisAvailable = atis,
            .ScramblerAvailable = scrambler};
}
inline ModelState Rv7700AM() {
    return {.ModelType = 11,
            .ModelName = "RV7700AM",
            .AtisAvailable = true,
            .ScramblerAvailable = true};
}

// New data for the model without a destination's default image: every setting known.
inline RadioData NewRadioData(const ModelState& model) {
    RadioData data;
    (void)NewData(data, model);
    return data;
}

} // namespace tq58::test
