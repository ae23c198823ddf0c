#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Signal and power meter polling, the radio read-back and the scan status checks.
class Meters {
public:
    explicit Meters(Radio &radio) : radio_(radio) {}

    void TurnOnLMeter();
    void TurnOffLMeter();
    void ReadRxStatus(bool &GotReply);
    void ReadTxStatus(bool &GotReply);
    void ShowSignalMeter(int S);
    void ReadRxStatusMR(bool &MoveOn, bool &SendRequest);
    void ReadRxStatusSearch(bool &MoveOn, bool &SendRequest);
    void ReadRadioFreqMode();
    int BandFromFreq(Freq freq, int Default);
    void FindFreeMemory(bool &NotStored, int &FreePos);

private:
    Radio &radio_;
};

} // namespace dorv
