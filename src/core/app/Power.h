#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class CatLink;
class ClarLock;
class DataFiles;
class Enablement;
class HomeChannels;
class Host;
class Mck;
class Meters;
struct PanelState;
class PriorityMonitor;
struct RadioState;
class Scanner;
class Search;
class SplitRepeater;
class Transmit;
class Tuning;
class VfoOps;

// The CAT power switch, synchronisation with the radio and the knob re-send tick.
class Power {
public:
    Power(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
          DataFiles &files, Meters &meters, Transmit &transmit, VfoOps &vfo, Enablement &enablement,
          Tuning &tuning, SplitRepeater &split, ClarLock &clar, Mck &mck, HomeChannels &home,
          Scanner &scan, Search &search, PriorityMonitor &pri)
        : host_(host), state_(state), panel_(panel), link_(link), cat_(cat), files_(files),
          meters_(meters), transmit_(transmit), vfo_(vfo), enablement_(enablement), tuning_(tuning),
          split_(split), clar_(clar), mck_(mck), home_(home), scan_(scan), search_(search),
          pri_(pri)
    {
    }

    void CATbutton_Click();
    void SYNCbutton_Click();

private:
    void SwitchOn();
    void SwitchOff();
    // Reads both of the radio's VFOs into the main and sub VFO.
    void TuneToRadio();
    // Ends every running function through its own button handler.
    void EndRunningFunctions();
    void DarkenPanel();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;

    DataFiles &files_;

    Meters &meters_;

    Transmit &transmit_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    SplitRepeater &split_;

    ClarLock &clar_;

    Mck &mck_;

    HomeChannels &home_;

    Scanner &scan_;

    Search &search_;

    PriorityMonitor &pri_;
    // A switch waits on the radio while events run; set while one is under way.
    bool switching_ = false;
};

} // namespace dorv
