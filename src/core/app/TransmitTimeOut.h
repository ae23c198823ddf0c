#pragma once

#include <string>

namespace dorv {

class Host;
struct PanelState;
class Transmit;

// The Settings menu's "Transmit Time-out": how long a transmission may last before the
// program ends it. The choice is kept in "transmit.conf" in the data directory, a file of
// this program alone, as "key=value" lines; it is written when the choice is made and read
// at start-up.
class TransmitTimeOut {
public:
    static constexpr const char *kFileName = "transmit.conf";

    TransmitTimeOut(Host &host, const std::string &dataDir, PanelState &panel, Transmit &transmit)
        : host_(host), dataDir_(dataDir), panel_(panel), transmit_(transmit)
    {
    }

    // Reads the file and puts its time-out into effect. A missing file, or one that names
    // no time-out of the menu, gives the default.
    void Open();
    // Ticks the item, puts its time-out into effect and writes the file.
    void mnuTxTimeOut_Click(int Index);

private:
    // Ticks the item and puts its time-out into effect; false for an index off the menu.
    bool choose(int Index);
    void save(int minutes);

    Host &host_;

    const std::string &dataDir_;

    PanelState &panel_;

    Transmit &transmit_;
};

} // namespace dorv
