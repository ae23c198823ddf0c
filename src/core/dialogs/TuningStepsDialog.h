#pragma once

#include "dialogs/StepChoices.h"

#include <array>

namespace dorv {

class Host;
struct RadioState;

// What frmTuningSteps shows: the list index of each combo box's item, -1 for none. The GUI
// writes a combo box's index here whenever the operator picks an item.
struct TuningStepsForm {
    bool Visible = false;
    // VFObox(3), (4), (5): the main dial step of SSB / CW / DIG, AM and FM / PKT.
    std::array<int, 3> VFObox{-1, -1, -1};
    // By group g: 0 = 430 MHz, 1 = 144 MHz, 2 = 50 MHz, 3 = HF.
    std::array<int, kStepGroups> CHboxSSB{-1, -1, -1, -1};
    std::array<int, kStepGroups> CHboxAM{-1, -1, -1, -1};
    std::array<int, kStepGroups> CHboxFM{-1, -1, -1, -1};
};

// frmTuningSteps: the main dial step per group of modes (the same on every band) and the
// channel step per group of modes and group of bands. Mode slots 8 and 9 are never written.
class TuningStepsDialog {
public:
    TuningStepsDialog(Host &host, RadioState &state) : host_(host), state_(state) {}

    void Form_Load();
    // Writes the chosen steps into both tables; a combo box without an item leaves its
    // entries as they are.
    void cmdSAVE_Click();
    // Puts the default steps in force at once; a CANCEL afterwards keeps them.
    void cmdDEFAULT_Click();
    void cmdCancel_Click();

    TuningStepsForm form;

private:
    void DisplayStepValues();
    void close();

    Host &host_;

    RadioState &state_;
};

} // namespace dorv
