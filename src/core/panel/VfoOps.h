#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Main and sub VFO: band-table copies, whole-VFO sends, A>B, A<>B, SUB, VFO state.
class VfoOps {
public:
    explicit VfoOps(Radio &radio) : radio_(radio) {}

    void GetLastVFOindices();
    void GetInfoVFOMB();
    void SaveInfoVFOMB();
    void GetInfoVFOSB();
    void SaveInfoVFOSB();
    void SwapVFOMBSB();
    void ResetLastInfoVFO();
    // Sends what differs from the last values sent; the frequency always.
    void SendInfoToRadioVFOMB(Freq freq);
    // The radio must be on its other VFO (toggled, or SUB on). Callers pass
    // SubVfo.Frequency.
    void SendInfoToRadioVFOSB(Freq freq);
    void ABbutton_Click();
    void SWAPbutton_Click();
    void SUBbutton_Click();
    void DisplayVFOInfo();
    void ChangeToVFOfunction();
    // Toggle, send the sub VFO, toggle back: the radio ends on its main VFO.
    void SendSubVfoOnOtherVfo();

private:
    Radio &radio_;
};

} // namespace dorv
