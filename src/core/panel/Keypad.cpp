#include "panel/Keypad.h"

#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/Enablement.h"
#include "panel/QuickMemory.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

#include <algorithm>
#include <cstdint>

namespace dorv {

namespace {

// The readout during an entry: MHz in places 1-3, kHz in 5-7, 10 Hz digits in 9-10;
// places 4 and 8 hold the points.
const std::string kBlankEntry = "---.---.--";
constexpr int kLastPlace = 10;
constexpr int kNoBand = -1; // no band takes the entered frequency

// Place p (1..10) of an entry readout.
char &At(std::string &text, int p)
{
    return text[static_cast<std::size_t>(p - 1)];
}

} // namespace

std::string &Keypad::operatedReadout()
{
    return state_.SubActive ? panel_.ledSubFreq : panel_.ledFreq;
}

void Keypad::showEntry()
{
    operatedReadout() = entry_;
}

Freq Keypad::operatedFrequency()
{
    return state_.operatedVfo().Frequency;
}

bool Keypad::DigitButton(int digit)
{
    if (!state_.KeypadEntry) {
        return quick_.TakePosition(digit);
    }
    DisplayNumericKeypadEntry(std::to_string(digit));
    return true;
}

void Keypad::ENTbutton_Click()
{
    if (state_.KeypadEntry) {
        completeEntry();
    } else {
        openEntry();
    }
    host_.panelChanged();
}

void Keypad::CancelEntry()
{
    if (!state_.KeypadEntry) {
        return;
    }
    KeypadDigitTyped = false;
    ENTbutton_Click();
}

void Keypad::openEntry()
{
    host_.beep();
    state_.KeypadEntry = true;
    KeypadDigitTyped = false;
    KeypadDecimal = false;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    entry_ = kBlankEntry;
    showEntry();
    KeypadText.clear();
}

void Keypad::DisplayNumericKeypadEntry(const std::string &Number)
{
    if (!state_.KeypadEntry || Number.size() != 1 || Number[0] < '0' || Number[0] > '9') {
        return;
    }
    const char d = Number[0];
    KeypadDigitTyped = true;
    KeypadText += d;
    const int length = static_cast<int>(KeypadText.size());

    if (entry_.size() != kBlankEntry.size()) {
        entry_ = kBlankEntry; // an entry opened other than by ENT
    }
    std::string &buffer = entry_;
    if (KeypadDecimal) {
        // After the point the digits fill the kHz and 10 Hz places from the left.
        for (int p = 5; p <= kLastPlace; ++p) {
            if (At(buffer, p) == '-') {
                At(buffer, p) = d;
                showEntry();
                if (p == kLastPlace) {
                    completeEntry();
                }
                break;
            }
        }
        host_.panelChanged();
        return;
    }

    // Without a point the digits scroll in from the right: up to three fill the kHz
    // places, the 4th and 5th the 10 Hz places, from the 6th on all move one place left.
    int p = 7;
    if (length <= 3 || length >= 6) {
        while (p > 1 && At(buffer, p) != '-') {
            --p;
        }
    } else {
        while (p <= kLastPlace && At(buffer, p) != '-') {
            ++p;
        }
    }
    while (p <= kLastPlace) {
        if (p == kLastPlace) {
            At(buffer, p) = d;
            showEntry();
            if (length >= 8) {
                completeEntry();
            }
            break;
        }
        if ((p == 7 || p == 9) && length < 5) {
            At(buffer, p) = d;
            showEntry();
            break;
        }
        if (At(buffer, p + 1) == '.') {
            At(buffer, p) = At(buffer, p + 2);
            p += 2;
        } else {
            At(buffer, p) = At(buffer, p + 1);
            p += 1;
        }
    }
    host_.panelChanged();
}

void Keypad::showMHzPattern()
{
    entry_ = std::string(3 - KeypadText.size(), '-') + KeypadText + ".---.--";
    showEntry();
}

void Keypad::DecimalKey()
{
    if (!state_.KeypadEntry) {
        return;
    }
    if (KeypadDecimal) {
        // A second press drops the kHz digits typed after the point.
        KeypadText = std::to_string(KeypadMHz);
        showMHzPattern();
    } else if (KeypadText.size() > 3) {
        helpFrequencyEntry(
            "You have pressed the decimal key to identify the number " + KeypadText +
            " as the MHz part of the frequency. This number is too large for this radio. Try "
            "entering a MHz number that is 3 digits or less in length.");
    } else if (KeypadText.empty()) {
        helpFrequencyEntry(
            "You must enter atleast one digit of the frequency before pressing the decimal "
            "key. The decimal key is used to identify the previously entered digit(s) as the "
            "MHz portion of the frequency. If the desired frequency is less that 1 MHz then "
            "enter the frequency without pressing the decimal key.");
    } else {
        KeypadDecimal = true;
        showMHzPattern();
        KeypadMHz = std::stoi(KeypadText);
    }
    host_.panelChanged();
}

void Keypad::helpFrequencyEntry(const std::string &text)
{
    host_.beep();
    host_.messageBox(text, "Help Frequency Entry", MsgIcon::Exclamation, MsgButtons::Ok);
}

Freq Keypad::enteredFrequency()
{
    std::int64_t value = KeypadText.empty() ? 0 : std::stoll(KeypadText);
    const std::string &buffer = entry_;
    // Places before the first digit, points included, are not part of the number: one
    // digit alone on "---.--5.--" is 5 kHz.
    std::size_t i = buffer.find_first_not_of("-.");
    if (i == std::string::npos) {
        i = buffer.size();
    }
    for (; i < buffer.size(); ++i) {
        if (buffer[i] == '-') {
            value *= 10;
        }
    }
    // At most eight digits and five unfilled places: a value above any band stays one.
    return static_cast<Freq>(std::min<std::int64_t>(value, INT32_MAX));
}

void Keypad::completeEntry()
{
    RadioState &s = state_;
    s.KeypadEntry = false;
    KeypadDecimal = false;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    if (!KeypadDigitTyped) {
        operatedReadout() = FormatFrequency(operatedFrequency());
        return;
    }
    const Freq freq = enteredFrequency();
    const int band = meters_.BandFromFreq(freq, kNoBand);
    if (band == kNoBand) {
        refuse(freq);
    } else {
        tuneTo(freq, band);
    }
}

bool Keypad::EnterFrequency(Freq freq)
{
    const int band = meters_.BandFromFreq(freq, kNoBand);
    if (band == kNoBand) {
        return false;
    }
    tuneTo(freq, band);
    host_.panelChanged();
    return true;
}

void Keypad::refuse(Freq freq)
{
    RadioState &s = state_;
    operatedReadout() = FormatFrequency(operatedFrequency());
    host_.beep();
    std::string text = "The frequency " + FormatFrequency(freq) + " that you entered is not ";
    if (s.SubActive) {
        text += "with in a valid range for this software and possibly this radio.";
    } else if (s.OperatingState == StatePMS) {
        text += "in the range of " + FormatFrequency(s.BandTable.TuneLower[s.MainBand]) + " to " +
                FormatFrequency(s.BandTable.TuneUpper[s.MainBand]) +
                " that you specified for Programmable Memory Scan (PMS). You must enter a value "
                "in this range or adjust your PMS range.";
    } else {
        text += "in a valid range for this software and possibly this radio.";
    }
    host_.messageBox(text, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
}

// Only the frequency and the band change: mode, repeater direction, tones and the clarifier
// offset stay as they were, even across bands. The repeater offset is the new band's.
void Keypad::tuneTo(Freq freq, int band)
{
    RadioState &s = state_;
    VfoOps &vfo = vfo_;
    meters_.TurnOffLMeter();
    if (s.SubActive) {
        vfo.SaveInfoVFOSB();
        MoveSubVfoToBand(s, band);
        s.SubVfo.Frequency = freq;
        vfo.SendInfoToRadioVFOSB(freq);
    } else {
        if (s.OperatingState == StateVFO) {
            vfo.SaveInfoVFOMB();
        } else if (s.OperatingState == StatePMS) {
            SavePmsState(s);
        }
        MoveMainVfoToBand(s, band);
        s.MainVfo.Frequency = freq;
        vfo.SendInfoToRadioVFOMB(freq);
        if (s.HomeActive) {
            vfo.SaveInfoVFOMB();
            vfo.SaveInfoVFOSB();
            vfo.ChangeToVFOfunction();
        }
        if (s.OperatingState == StateMR) {
            panel_.lblMT.Visible = true;
        }
        if (ArsRuleHolds(s)) {
            cat_.AutoRepeaterShift();
        }
    }
    meters_.TurnOnLMeter();
}

} // namespace dorv
