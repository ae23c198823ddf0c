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
    void SendInfoToRadioVFOMB(Freq freq);
    void SendInfoToRadioVFOSB(Freq freq);
    void ABbutton_Click();
    void SWAPbutton_Click();
    void SUBbutton_Click();
    void DisplayVFOInfo();
    void ChangeToVFOfunction();

private:
    Radio &radio_;
};

} // namespace dorv
