#pragma once

#include "model/ModelState.h"
#include "model/NewData.h"
#include "model/RadioData.h"

namespace tq58::test {

// The models as the shipped "global.ini" describes them.
inline ModelState Rv7200A() {
    return {1, "RV7200A", false, false, true};
}
inline ModelState Rv7700A(bool atis = true, bool scrambler = true) {
    return {2, "RV7700A", atis, scrambler, true};
}
inline ModelState Rv7700AM() {
    return {11, "RV7700AM", true, true, true};
}

// New data for the model without a destination's default image: every setting known.
inline RadioData NewRadioData(const ModelState& model) {
    RadioData data;
    (void)NewData(data, model);
    return data;
}

} // namespace tq58::test
