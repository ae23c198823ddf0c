#pragma once

#include "model/BandRecord.h"
#include "model/MemoryChannel.h"
#include "model/SettingsRecord.h"

#include <array>

namespace dorv {

using MemoryTable = std::array<MemoryChannel, kMemoryCount>;

// The memories of a new memory database: all empty, every bank selected.
inline MemoryTable NewMemoryTable()
{
    MemoryTable table;
    table.fill(NewDatabaseMemory());
    return table;
}

// A last-sent value that no real field takes: the next comparison always differs.
constexpr std::int16_t kNotSent = 999;

// What was last sent to the radio for one VFO, so a VFO send only sends changes.
struct SentRecord {
    std::int16_t Mode = 0;
    std::int16_t RptDirection = 0;
    Freq RptOffset = 0;
    std::int16_t CtcssTone = 0;
    std::int16_t ToneMode = 0;
    std::int16_t DcsCode = 0;
};

// The shared model every subsystem reads and changes. One instance per Radio.
struct RadioState {
    VfoInfo MainVfo;
    VfoInfo SubVfo;
    std::int16_t MainBand = 0;
    std::int16_t SubBand = 0;
    BandRecord BandTable;
    SettingsRecord Settings;
    MemoryTable Memories = NewMemoryTable();
    int MemoryCount = 0;
    int CurrentMemory = 0;
    int SavedMemory = 0; // the memory current when MCK or the priority monitor began
    bool MemoryDirty = false;
    std::array<MemoryChannel, kHomeChannelCount> HomeChannels{};
    int OperatingState = StateVFO;
    bool CatOn = false;
    bool SplitOn = false;
    bool ClarOn = false;
    bool PriOn = false;
    bool MckOn = false;
    bool SubActive = false;
    bool MenusLocked = false;

    // CAT link
    bool PortReady = false;
    // Nothing has reached the radio yet. The DCS codes in particular must start unsent:
    // switching the link on resends everything else but keeps the DCS entries.
    SentRecord SentMain{.DcsCode = kNotSent};
    SentRecord SentSub{.DcsCode = kNotSent};
    bool SplitAtRadio = false;
    Freq ScanStep = 0;     // signed amount one step adds
    int ScanDirection = 0; // 1 up, -1 down, 0 stopped

    // Transient flags of single features, read by the button enablement.
    bool ScanOn = false;      // SCAN armed or running
    bool SearchOn = false;    // SEARCH running
    bool KeypadEntry = false; // a keypad frequency entry is open
    bool StoPending = false;  // quick memory store selection pending
    bool RclPending = false;  // quick memory recall selection pending
    bool JogHeld = false;     // an UP/DOWN jog button is held down
    bool HomeActive = false;  // a HOME channel is recalled
    // The band scope's sweep runs. It has its own step and timer: only the panel's own
    // scanning, search, jog and priority monitor use ScanDirection and ScanStep.
    bool ScopeSweeping = false;
    bool SignalCentred = false;
    double PressTime = 0.0; // host clock, s: when STO, RCL or MCK went down
    int PauseTime = 0;      // seconds a scan stays on a busy signal; 0 = OFF

    // The operated VFO: the sub VFO while SUB is selected, else the main VFO.
    VfoInfo &operatedVfo() { return SubActive ? SubVfo : MainVfo; }
    std::int16_t operatedBand() const { return SubActive ? SubBand : MainBand; }
    // Whether CurrentMemory is a memory that holds a split pair.
    bool currentMemoryIsSplit() const
    {
        return CurrentMemory >= 0 && CurrentMemory < kMemoryCount && Memories[CurrentMemory].Split;
    }
};

} // namespace dorv
