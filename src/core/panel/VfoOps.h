#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class CatLink;
class ClarLock;
class Enablement;
class Host;
class Meters;
struct PanelState;
struct RadioState;
class SplitRepeater;
class Tuning;

// Main and sub VFO: band-table copies, whole-VFO sends, A>B, A<>B, SUB, VFO state.
class VfoOps {
public:
    VfoOps(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
           Meters &meters, Enablement &enablement, Tuning &tuning, SplitRepeater &split,
           ClarLock &clar)
        : host_(host), state_(state), panel_(panel), link_(link), cat_(cat), meters_(meters),
          enablement_(enablement), tuning_(tuning), split_(split), clar_(clar)
    {
    }

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
    Host &host_;
    RadioState &state_;
    PanelState &panel_;
    CatLink &link_;
    CatCommands &cat_;
    Meters &meters_;
    Enablement &enablement_;
    Tuning &tuning_;
    SplitRepeater &split_;
    ClarLock &clar_;
};

} // namespace dorv
