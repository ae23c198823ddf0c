#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// SPLIT (receive on the main VFO, transmit on the sub VFO), RPT (repeater shift
// direction, FM only) and REV (swap receive and transmit of a repeater pair).
class SplitRepeater {
public:
    explicit SplitRepeater(Radio &radio) : radio_(radio) {}

    // Split off leaves both VFOs where they were tuned during split.
    void SPLITbutton_Click();
    // Split off as a HOME recall ends: the VFOs the recall put aside in the band table come
    // back, and the recalled channel is not stored in their place.
    void SplitOffEndingRecall();
    // During a keypad entry this is the digit 1.
    void RPTbutton_Click();
    // During a keypad entry this is the digit 2.
    void REVbutton_Click();

private:
    void switchSplit(bool keepVfos);
    void splitOn();
    void splitOff(bool keepVfos);
    void keepVfosAsTuned();

    Radio &radio_;
    bool switching_ = false; // a split switch is waiting on the radio
};

} // namespace dorv
