#pragma once

#include "model/PanelState.h"

namespace dorv {

// While SUB is on, the sub VFO's mode label blinks. The Tag of each lblSBmode label records
// whether it was shown when the sub display was last settled: "ON" or "OFF". The blink
// toggles only the labels tagged "ON".

// Tags every sub mode label by whether it is shown now.
void TagSubModeLabels(PanelState &panel);
// Shows every label tagged "ON": ends a dark blink phase.
void ShowTaggedSubModeLabels(PanelState &panel);
// One blink step: every label tagged "ON" changes its visibility.
void BlinkSubModeLabels(PanelState &panel);

} // namespace dorv
