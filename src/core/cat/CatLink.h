#pragma once

#include "cat/CatFrame.h"
#include "host/SerialPort.h"

#include <set>
#include <string>

namespace dorv {

class Radio;

// The serial link to the radio: which port and rate, opening it, writing frames.
class CatLink {
public:
    explicit CatLink(Radio &radio) : radio_(radio) {}

    void OpenCommPort();
    void mnuCommPortArray_Click(int Index);
    void mnuCatRate_Click(int Index);

    // A device that is there but may not be used (no permission, held by another program)
    // is said in plain words in the status bar for as long as it lasts, and in a message
    // once per start for each device and reason: the retries stay quiet.
    void ReportRefusal(const PortRefusal &refusal);
    // Opens the refused port again, quietly; true when it opened, and the port is then
    // ready and ticked in the menu. A device that is no longer refused but still cannot be
    // opened ends the retries.
    bool RetryRefusedPort();

    void write(const CatFrame &frame);

    static int RateFromIndex(int catRate);

private:
    void checkPortMenu(int Index);

    Radio &radio_;
    std::set<std::string> advised_; // device and reason of each refusal shown in a message
};

} // namespace dorv
