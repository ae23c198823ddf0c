#pragma once

#include "cat/CatFrame.h"

namespace dorv {

class CatLink;
class Host;
struct PanelState;
struct RadioState;
struct RadioState;

// Every command sent to the radio. The SB twins send the same bytes as the MB
// operations; they differ in the readouts and last-sent record they update.
class CatCommands {
public:
    CatCommands(Host &host, RadioState &state, PanelState &panel, CatLink &link)
        : host_(host), state_(state), panel_(panel), link_(link)
    {
    }

    void SendFreqToRadioMB(Freq freq);
    void SendFreqToRadioSB(Freq freq);
    // The operated VFO's frequency: the sub VFO's while SUB is on, else the main VFO's.
    void SendOperatedFreq();
    void SendModeToRadioMB();
    void SendModeToRadioSB();
    void SendToneModeToRadioMB();
    void ShowToneModeSB();
    void SendToneToRadioMB();
    void SendToneToRadioSB();
    void SendDcsToRadioMB();
    void MarkDcsSentSB();
    void SendRptOffsetToRadio(Freq offset);
    void SendRptDirectionToRadio();
    void SetPTT(bool on);
    void SplitOnToRadio();
    void SplitOffToRadio();
    void ToggleVFOAB();
    void StepFrequency();
    void AutoRepeaterShift();

private:
    void sendFrequency(Freq freq);
    void sendTone(int toneIndex);
    void sendToneMode(int toneMode);
    void sendDcs(int code);
    void sendMode(int mode);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;
    CatParams lastOffsetParams_{}; // reused when an offset cannot be encoded
};

// Automatic repeater direction for a main-VFO frequency and mode (-1, 0 or 1).
int RepeaterDirectionFor(Freq freq, int mode);

// Whether the automatic repeater shift follows the main VFO: FM on 144 MHz with the 144 MHz
// switch on, or on 430 MHz with the 430 MHz switch on.
bool ArsRuleHolds(const RadioState &s);

} // namespace dorv
