#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class ClarLock;
class Host;
class Keypad;
class Meters;
struct PanelState;
struct RadioState;
class VfoOps;
struct VfoInfo;

// Band buttons, BAND DOWN/UP and MHz DOWN/UP.
class BandStepping {
public:
    BandStepping(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters,
                 VfoOps &vfo, ClarLock &clar, Keypad &keypad)
        : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters), vfo_(vfo),
          clar_(clar), keypad_(keypad)
    {
    }

    // Index: band 0 (430 MHz) .. 11 (1.8 MHz); other values are ignored.
    void BandButton_Click(int Index);
    // During a keypad entry these are the digits 7, 8, 9 and 0.
    void BandDownButton_Click();
    void BandUpButton_Click();
    void MhzDownButton_Click();
    void MhzUpButton_Click();

private:
    void clampToBand(VfoInfo &vfo, int band);
    void selectSubBand(int Index);
    void selectMainBand(int Index);
    // BAND DOWN (+1) and BAND UP (-1): the next band index, wrapping 11 <-> 0.
    void stepBand(int direction);
    // MHz DOWN (-1) and MHz UP (+1).
    void stepMhz(int direction);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatCommands &cat_;

    Meters &meters_;

    VfoOps &vfo_;

    ClarLock &clar_;

    Keypad &keypad_;
};

} // namespace dorv
