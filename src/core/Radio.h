#pragma once

#include "app/AppFrame.h"
#include "app/DisplayLayout.h"
#include "app/Keyboard.h"
#include "app/MenuLock.h"
#include "app/Power.h"
#include "app/SettingsMenus.h"
#include "app/TransmitTimeOut.h"
#include "app/UpdateIntervals.h"
#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "cat/PortWatch.h"
#include "dialogs/SettingsDialogs.h"
#include "host/Host.h"
#include "host/SerialPort.h"
#include "memmgr/MemoryManager.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "net/RigctlServer.h"
#include "panel/BandStepping.h"
#include "panel/ClarLock.h"
#include "panel/Enablement.h"
#include "panel/HomeChannels.h"
#include "panel/Keypad.h"
#include "panel/Mck.h"
#include "panel/MemoryMode.h"
#include "panel/ModeSelect.h"
#include "panel/QuickMemory.h"
#include "panel/ScanRequests.h"
#include "panel/SplitRepeater.h"
#include "panel/ToneSquelch.h"
#include "panel/Transmit.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"
#include "scan/Pms.h"
#include "scan/PriorityMonitor.h"
#include "scan/ScanCheck.h"
#include "scan/Scanner.h"
#include "scan/Search.h"
#include "scope/BandScope.h"

#include <string>

namespace dorv {

// The context every subsystem works through: the model, the panel, the port,
// the host, and one object per subsystem. No globals, so tests can build many.
class Radio {
public:
    Radio(Host &host, SerialPort &port, std::string dataDir);
    Radio(const Radio &) = delete;
    Radio &operator=(const Radio &) = delete;

    Host &host;
    SerialPort &port;
    const std::string dataDir; // where bandinfo.dorv, ft897.dorv ... live

    RadioState state;
    PanelState panel;
    ScanRequests scanRequests; // the panel asks, the scanning functions answer

    CatLink link;
    CatCommands cat;
    DataFiles files;
    Meters meters;
    Power power;
    Transmit transmit;
    VfoOps vfo;
    Enablement enablement;
    Tuning tuning;
    BandStepping bands;
    Keyboard keyboard;
    ModeSelect mode;
    ToneSquelch tone;
    SplitRepeater split;
    ClarLock clar;
    Keypad keypad;
    MemoryMode memory;
    Mck mck;
    QuickMemory quick;
    HomeChannels home;
    ScanCheck scanCheck;
    Scanner scan;
    Search search;
    Pms pms;
    PriorityMonitor pri;
    UpdateIntervals intervals;
    TransmitTimeOut txTimeOut;
    DisplayLayout display;
    SettingsMenus settingsMenus;
    MemoryManager memmgr;
    MenuLock lock;
    SettingsDialogs dialogs;
    BandScope scope;
    RigctlServer net;
    AppFrame app;
    PortWatch portWatch;
};

} // namespace dorv
