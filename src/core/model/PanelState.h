#pragma once

#include "host/PortTypes.h"
#include "model/ScopeWindowState.h"
#include "model/Units.h"

#include <array>
#include <string>
#include <vector>

namespace dorv {

struct LabelState {
    bool Visible = false;
    std::string Caption;
    std::string Tag;
    bool operator==(const LabelState &) const = default;
};

struct ButtonState {
    bool Enabled = true;
    std::string Caption;
    bool operator==(const ButtonState &) const = default;
};

struct KnobState {
    bool Enabled = true;
    // Position value after the last handled value change; the GUI turns the knob to it
    // and reports a turn as this value plus or minus one.
    int Value = 0;
    bool operator==(const KnobState &) const = default;
};

// One indicator of the meter gauge: a bar from Start to End, or a marker at Value,
// in S units on receive and in the stepped power reading on transmit. The gauge shows
// all four whenever the meter itself is shown.
struct MeterIndicator {
    double Start = 0;
    double End = 0;
    double Value = 0;
    bool operator==(const MeterIndicator &) const = default;
};

// A background colour, 0..255 per channel.
struct Rgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    bool operator==(const Rgb &) const = default;
};
constexpr Rgb kPanelDark{64, 64, 64};

// The window is laid out in twips, 15 to a screen pixel.
inline constexpr int kTwipsPerPixel = 15;

// A rectangle on the window, in twips (15 per pixel).
struct PanelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PanelRect &) const = default;
};

// A font by family name and point size.
struct FontChoice {
    std::string Name;
    int Size = 0;
    bool operator==(const FontChoice &) const = default;
};

// The password dialog frmLockUnLock. The GUI shows it modally while Visible, writes the
// typed text into txtPassword before cmdOK, and selects the whole text of the box and gives
// it the focus when PasswordSelected is set (then clears the flag).
struct LockDialogState {
    bool Visible = false;
    std::string Caption; // "Lock Menus" or "Unlock Menus"
    std::string txtPassword;
    bool PasswordSelected = false;
    bool operator==(const LockDialogState &) const = default;
};

struct MenuItem {
    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    bool operator==(const MenuItem &) const = default;
};

// A menu control array, indexed as the item indexes of the behaviour (index 0 may be unused).
using MenuArray = std::vector<MenuItem>;

// What the front panel shows. Handlers write it; the GUI draws it and nothing else.
struct PanelState {
    std::string Caption = "DORV FT-897";

    // Seven-segment readouts, their design-time texts until the first send.
    std::string ledFreq = "440.000.00";
    std::string ledSubFreq = "144.200.00";
    std::string ledMRnumber = "000";
    bool ledMRnumberVisible = false;

    std::array<LabelState, kModeCount> lblMBmode{};
    std::array<LabelState, kModeCount> lblSBmode{};
    LabelState lblMainENC{false, "ENC", ""}, lblMainDEC{false, "DEC", ""},
        lblMainDCS{false, "DCS", ""};
    LabelState lblSubENC{false, "ENC", ""}, lblSubDEC{false, "DEC", ""},
        lblSubDCS{false, "DCS", ""};
    LabelState lblMT{false, "MT", ""}, lblSKIP{false, "SKIP", ""}, lblMCK{false, "MCK", ""},
        lblQMB{false, "QMB", ""}, lblRXTX{false, "RX-TX", ""}, lblTXRX{false, "TX-RX", ""},
        lblSPLIT{false, "SPLIT", ""}, lblSCAN{false, "SCAN", ""}, lblSEARCH{false, "SRCH", ""},
        lblCLAR{false, "CLAR", ""}, lblBusy{false, "BUSY", ""}, lblOnAir{false, "TX", ""},
        lblCH{false, "CH", ""}, lblMemoryDesc{false, "", ""};

    // Repeater direction arrows: 0 = plus, 1 = minus.
    std::array<bool, 2> ImgRPTdirection{};

    bool LEDsub = false;
    bool ledFAST = false;
    bool ledLOCK = false;

    std::array<MeterIndicator, 4> LMeter{};

    // The lit or dark face of the display and the meter, and what the CAT link shows.
    Rgb DisplayPanelColour = kPanelDark;
    Rgb LMeterColour = kPanelDark;
    bool LMeterVisible = false;
    bool ledFreqVisible = false;
    bool ledSubFreqVisible = false;
    // Set while the radio leaves status requests unanswered: the link is on but nothing
    // comes back (cable pulled, radio off, wrong rate). Cleared by the next reply.
    bool RadioNotAnswering = false;
    // Set while the link is on and its serial device has gone away (unplugged, hung up);
    // PortGoneDevice names it. Cleared when the device opens again.
    bool PortGone = false;
    std::string PortGoneDevice;
    // What a network link says of itself while it is not connected: connecting, refused,
    // timed out, host not found, lost. Empty while it works and for a device.
    std::string LinkCondition;
    // Why the serial device, which is there, may not be used (no permission, held by
    // another program); reason None otherwise. The device is tried again meanwhile.
    PortRefusal PortRefused;
    // Clients connected to the network control server; -1 while the server is off.
    int NetClients = -1;
    // The status bar's permanent field: "device · rate · on|off".
    std::string LinkStatus;

    KnobState MainKnob, ClarKnob, ChannelKnob;

    ButtonState CATbutton{true, "POWER"}, MOXbutton{false, "MOX"}, SYNCbutton{false, "SYNC"},
        SCOPEbutton{false, "SCOPE"}, SEARCHbutton{false, "SEARCH"};
    std::array<ButtonState, kModeCount> ModeButton{{{false, "L S B"},
                                                    {false, "U S B"},
                                                    {false, "C W"},
                                                    {false, "C W R"},
                                                    {false, "A M"},
                                                    {false, "F M"},
                                                    {false, "D I G"},
                                                    {false, "P K T"}}};
    std::array<ButtonState, kBandCount> BandButton{{{false, "430"},
                                                    {false, "144"},
                                                    {false, "50"},
                                                    {false, "28"},
                                                    {false, "24"},
                                                    {false, "21"},
                                                    {false, "18"},
                                                    {false, "14"},
                                                    {false, "10"},
                                                    {false, "7"},
                                                    {false, "3.5"},
                                                    {false, "1.8"}}};
    ButtonState RPTbutton{false, "RPT"}, REVbutton{false, "REV"}, TONEbutton{false, "TONE"},
        SCANbutton{false, "SCAN"}, PRIbutton{false, "PRI"}, PMSbutton{false, "PMS"},
        BandDownButton{false, "BAND DOWN"}, BandUpButton{false, "BAND UP"},
        MhzDownButton{false, "MHz DOWN"}, MhzUpButton{false, "MHz UP"};
    ButtonState STObutton{false, "STO"}, RCLbutton{false, "RCL"}, FASTbutton{false, "FAST"},
        LOCKbutton{false, "LOCK"}, HOMEbutton{false, "HOME"}, VFOMRbutton{false, "VFO/ M"},
        MCKbutton{false, "MCK/ W"}, ABbutton{false, "A > B"}, SWAPbutton{false, "A < > B"},
        SUBbutton{false, "SUB"}, SPLITbutton{false, "SPLIT"}, CLARbutton{false, "CLAR"},
        ENTbutton{false, "ENT"}, DOPbutton{false, "-"}, btnJogDown{false, "DOWN"},
        btnJogUp{false, "UP"};

    // Menus. The port menu is indexed 1..10 (index 0 unused), the rate menu 0..2.
    MenuArray mnuCommPortArray;
    MenuArray mnuCatRate;
    // File menu, items 0..9; "-" items are separators.
    MenuArray mnuFileArray;
    // The Settings, Memory and Help menus as a whole (the lock disables the first two).
    MenuItem mnuSettings{"Settings"}, mnuMemory{"Memory"}, mnuHelp{"Help"};
    // Settings items 0..15, "Update Intervals" 0..4, "Display" 0..8, "Transmit Time-out"
    // 0..6, Memory 0, Help 0..2. Indexes without an item are invisible.
    MenuArray mnuSettingsArray;
    MenuArray mnuDelayArray;
    MenuArray mnuScanSpeed, mnuMeterSpeed, mnuPRIspeed, mnuPauseInterval;
    MenuArray mnuTxTimeOut;
    MenuArray mnuResizeDisplayArray;
    MenuArray mnuMemoryArray;
    MenuArray mnuHelpArray;

    // Window layout in twips (15 per pixel). WindowWidth x WindowHeight is the face below
    // the menu bar; the GUI lays its controls out on it in proportion. The GUI writes
    // WindowLeft and WindowTop back whenever the user moves the window.
    int WindowLeft = 0, WindowTop = 0, WindowWidth = 0, WindowHeight = 0;
    PanelRect SSPanel0;               // the display panel on the face
    bool LcdFace = false;             // only the display panel shows
    bool ReducedColours = false;      // the 8-bit colour set of the face pictures
    FontChoice LabelFont{"Arial", 8}; // labels and text-carrying buttons
    FontChoice DOPFont{"Arial", 14};  // the decimal key DOPbutton
    // Digit size parameters of ledFreq and ledSubFreq, and of ledMRnumber.
    std::array<int, 3> ledFreqDigitSize{3, 3, 4};
    std::array<int, 3> ledMRnumberDigitSize{2, 2, 2};
    // Background and unlit-segment colour of ledFreq and ledSubFreq.
    Rgb ledBackColour{0, 200, 240};

    // Splash frmStartup and about box frmAbout (shown modally while frmAboutVisible).
    std::string lblWhat, lblVersion;
    bool frmAboutVisible = false;
    // The memory manager window frmMemoryManager is open (modeless).
    bool frmMemoryManagerVisible = false;
    LockDialogState frmLockUnLock;
    // The band scope window, opened by SCOPEbutton.
    ScopeWindowState frmBandScope;
    // Set once the exit procedure has run to its end: the GUI closes every window.
    bool ProgramEnded = false;
    // Connections the network control server turned away since it began listening.
    int NetRefused = 0;

    PanelState();
    // The main window's title: the caption, after "ON AIR - " while transmitting, so that the
    // task bar shows the transmission too.
    std::string WindowTitle() const;
    // Every member compares, so the window can tell what a change touched and redraw
    // only that.
    bool operator==(const PanelState &) const = default;
};

} // namespace dorv
