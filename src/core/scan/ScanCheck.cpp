#include "scan/ScanCheck.h"

#include "cat/Meters.h"
#include "model/DescriptionText.h"
#include "model/FreqRounding.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioState.h"

namespace dorv {

void ScanCheck::ReadRxStatusMR(bool &MoveOn, bool &SendRequest)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    int b = meters_.PollScanStatus(SendRequest);
    if (b < 0) {
        return;
    }
    if (b < Meters::kNoSignal) {
        b = meters_.ApplyCentring(b);
        p.lblBusy.Visible = true;
        p.lblMemoryDesc.Caption = DescriptionText(s.Memories[s.CurrentMemory]);
        p.lblMemoryDesc.Visible = true;
        if (s.PauseTime >= 1) {
            if (!meters_.HoldOnBusyChannel(false)) {
                MoveOn = true;
                SendRequest = false;
                return;
            }
            p.lblMemoryDesc.Visible = false;
            MoveOn = true;
        } else {
            MoveOn = false;
        }
        SendRequest = true;
    } else {
        // A hold with the pause OFF ends when the signal goes: its description goes too.
        p.lblBusy.Visible = false;
        p.lblMemoryDesc.Visible = false;
        b = meters_.ApplyCentring(b - Meters::kNoSignal);
        MoveOn = true;
        SendRequest = true;
    }
    meters_.ShowSignalMeter(b);
}

void ScanCheck::ReadRxStatusSearch(bool &MoveOn, bool &SendRequest)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    int b = meters_.PollScanStatus(SendRequest);
    if (b < 0) {
        return;
    }
    const bool fm = s.MainVfo.Mode == ModeFM;
    const bool sideband = s.MainVfo.Mode <= ModeCWR;
    if (b < Meters::kNoSignal) {
        b = meters_.ApplySearchCentring(b);
        if (s.SignalCentred && fm && s.SearchOn) {
            bool notStored = false;
            int freePos = 0;
            FindFreeMemory(notStored, freePos);
            if (notStored) {
                SaveVFOInfoToMemory(s, freePos);
                s.MemoryDirty = true;
            }
            MoveOn = true;
            SendRequest = true;
            return;
        }
        p.lblBusy.Visible = true;
        if (!sideband) {
            if (s.PauseTime > 0 && s.SignalCentred) {
                if (!meters_.HoldOnBusyChannel(true)) {
                    MoveOn = true;
                    SendRequest = false;
                    return;
                }
                MoveOn = true;
            } else if (s.PauseTime != 0) {
                MoveOn = true;
            } else {
                MoveOn = !s.SignalCentred;
            }
        } else {
            s.ScanStep = s.ScanDirection == 1 ? 5 : -5;
            MoveOn = true;
        }
        SendRequest = true;
    } else {
        p.lblBusy.Visible = false;
        b -= Meters::kNoSignal;
        if ((s.ScanStep == 5 || s.ScanStep == -5) && sideband) {
            s.ScanStep = s.ScanDirection == 1 ? 50 : -50;
            s.MainVfo.Frequency = RoundFreqToStep(s.MainVfo.Frequency, s.ScanStep);
        }
        MoveOn = true;
        SendRequest = true;
        b = meters_.ApplySearchCentring(b);
    }
    meters_.ShowSignalMeter(b);
}

void ScanCheck::FindFreeMemory(bool &NotStored, int &FreePos)
{
    const RadioState &s = state_;
    FreePos = 0;
    for (int pos = 1; pos < kMemoryCount; ++pos) {
        const Freq f = s.Memories[pos].Vfo.Frequency;
        if (f == s.MainVfo.Frequency) {
            NotStored = false;
            return;
        }
        if (f == 0 && FreePos == 0) {
            FreePos = pos;
        }
    }
    // With no free position nothing can be stored.
    NotStored = FreePos != 0;
}

} // namespace dorv
