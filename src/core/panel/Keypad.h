#pragma once

#include "model/Units.h"

#include <string>

namespace dorv {

class CatCommands;
class Enablement;
class Host;
class Meters;
struct PanelState;
class QuickMemory;
struct RadioState;
class Tuning;
class VfoOps;

// Numeric keypad frequency entry on the numbered buttons. ENT opens an entry on the
// operated VFO's readout, the ten numbered buttons type digits, DOP marks the MHz part,
// and ENT or a full readout completes it.
class Keypad {
public:
    Keypad(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters,
           VfoOps &vfo, Enablement &enablement, Tuning &tuning, QuickMemory &quick)
        : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters), vfo_(vfo),
          enablement_(enablement), tuning_(tuning), quick_(quick)
    {
    }

    // Opens an entry when none is open, completes the open one otherwise.
    void ENTbutton_Click();
    // One digit, "0" to "9".
    void DisplayNumericKeypadEntry(const std::string &Number);

    // The numbered buttons call this first: during an entry the button is the digit key,
    // and while a quick memory store or recall is pending it is that position. Either way
    // the call returns true and the button does nothing else.
    bool DigitButton(int digit);
    // The decimal key (DOP during an entry): the digits typed so far are the MHz part.
    void DecimalKey();
    // Escape: ends an open entry without changing anything.
    void CancelEntry();
    // Tunes the operated VFO to freq as a completed entry does, without an entry on the
    // readout; false, and nothing changed, when no band takes the frequency.
    bool EnterFrequency(Freq freq);

private:
    std::string &operatedReadout();
    void showEntry();
    Freq operatedFrequency();
    void openEntry();
    void completeEntry();
    void showMHzPattern();
    // The value on the readout: unfilled places after the first digit count as 0.
    Freq enteredFrequency();
    void refuse(Freq freq);
    void tuneTo(Freq freq, int band);
    void helpFrequencyEntry(const std::string &text);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatCommands &cat_;

    Meters &meters_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    QuickMemory &quick_;
    bool KeypadDigitTyped = false; // a digit was typed in this entry
    bool KeypadDecimal = false;    // the decimal key was accepted in this entry
    std::string KeypadText;        // the digits typed so far, in order
    int KeypadMHz = 0;             // the MHz number fixed by the decimal key
    // The entry as shown, "---.---.--" filled in; kept here rather than read back from the
    // readout, which a knob's re-send may overwrite while the entry is open.
    std::string entry_;
};

} // namespace dorv
