#include "app/Power.h"

#include "app/DisplayLayout.h"
#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "panel/Transmit.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "panel/ClarLock.h"
#include "panel/Enablement.h"
#include "panel/HomeChannels.h"
#include "panel/Mck.h"
#include "panel/SplitRepeater.h"
#include "panel/SubModeBlink.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"
#include "scan/PriorityMonitor.h"
#include "scan/Scanner.h"
#include "scan/Search.h"

namespace dorv {

namespace {

const char *const kNoPortText =
    "Please select a new Serial Port in the Settings Menu. Either the current serial port "
    "is not available to the DORV software, or a serial port has not been selected yet.";
const char *const kNoPortTitle = "SERIAL PORT ERROR";

constexpr int k16BitColours = 7;
constexpr int k8BitColours = 8;

void SetBackground(PanelState &p, const Rgb &colour)
{
    p.DisplayPanelColour = colour;
    p.LMeterColour = colour;
}

} // namespace

void Power::CATbutton_Click()
{
    // Switching is one sequence on the link: a press that comes meanwhile as input (a double
    // click) switches back after it. One that still reaches the handler inside the switch
    // would leave the link half on: it is ignored.
    if (switching_) {
        return;
    }
    if (!state_.PortReady) {
        host_.messageBox(kNoPortText, kNoPortTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    switching_ = true;
    const CatLink::Sequence sequence{link_};
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{switching_};
    if (state_.CatOn) {
        SwitchOff();
    } else {
        SwitchOn();
    }
    host_.panelChanged();
}

void Power::SwitchOn()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    s.CatOn = true;
    p.LMeter[0].End = 0;
    p.LMeter[1].End = 0;
    p.LMeter[2].Value = 0;
    p.LMeter[3].Value = 0;
    const int colours = s.Settings.DisplayColours;
    if (colours == k16BitColours || colours == k8BitColours) {
        SetBackground(p, DisplayLayout::DisplayLitColour(colours));
    }
    p.LMeterVisible = true;
    p.ledFreqVisible = true;
    p.ledSubFreqVisible = true;
    p.RadioNotAnswering = false;
    if (s.Settings.TuneOnStartup) {
        TuneToRadio();
    }
    vfo_.ResetLastInfoVFO();
    vfo_.ChangeToVFOfunction();
    enablement_.TimerDelayTag = "OFF";
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    meters_.TurnOnLMeter();
}

void Power::TuneToRadio()
{
    RadioState &s = state_;
    SYNCbutton_Click();
    vfo_.SaveInfoVFOMB();
    cat_.ToggleVFOAB();
    s.SubActive = true;
    SYNCbutton_Click();
    s.SubActive = false;
    vfo_.SaveInfoVFOSB();
    cat_.ToggleVFOAB();
}

void Power::SwitchOff()
{
    RadioState &s = state_;
    s.CatOn = false;
    EndRunningFunctions();
    if (s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOMB();
        vfo_.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    files_.SaveSessionFiles();
    meters_.TurnOffLMeter();
    meters_.TimerSignalMeter.setEnabled(false);
    scan_.TimerScanner.setEnabled(false);
    scan_.TimerScannerMR.setEnabled(false);
    pri_.TimerPriorityMonitor.setEnabled(false);
    enablement_.TimerDelay.setEnabled(false);
    tuning_.tmrKnob.setEnabled(false);
    DarkenPanel();
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
}

void Power::EndRunningFunctions()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    if (p.lblOnAir.Visible) {
        transmit_.MOXbutton_Click();
        if (p.lblOnAir.Visible) {
            // MOX ignores presses while the menus are locked; never leave the
            // transmitter keyed behind a dark panel.
            meters_.TimerPowerMeter.setEnabled(false);
            p.lblOnAir.Visible = false;
            cat_.SetPTT(false);
        }
    }
    if (s.ScanOn) {
        scan_.Disarm();
    }
    // A search left running would keep polling a radio the panel no longer drives.
    if (s.SearchOn) {
        search_.SEARCHbutton_Click();
    }
    if (s.ClarOn) {
        clar_.CLARbutton_Click();
    }
    // Ended here rather than through PRI, which an open keypad entry would take as its digit.
    if (s.PriOn) {
        pri_.EndPriorityMonitor();
    }
    if (s.MckOn) {
        mck_.TurnOffMCK();
    }
    if (s.SubActive) {
        vfo_.SUBbutton_Click();
    }
    if (s.HomeActive) {
        home_.HOMEbutton_Click();
    }
    if (s.SplitOn) {
        split_.SPLITbutton_Click();
    }
}

void Power::DarkenPanel()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    for (int m = 0; m < kModeCount; ++m) {
        p.lblMBmode[m].Visible = false;
        p.lblSBmode[m].Visible = false;
    }
    p.lblTXRX.Visible = false;
    p.lblRXTX.Visible = false;
    s.ScanOn = false;
    for (LabelState *label :
         {&p.lblMainDEC, &p.lblSubDEC, &p.lblMainENC, &p.lblSubENC, &p.lblMainDCS, &p.lblSubDCS,
          &p.lblMCK, &p.lblMT, &p.lblCH, &p.lblSKIP, &p.lblBusy, &p.lblOnAir, &p.lblMemoryDesc}) {
        label->Visible = false;
    }
    p.ImgRPTdirection = {false, false};
    p.ledMRnumberVisible = false;
    p.ledFreqVisible = false;
    p.ledSubFreqVisible = false;
    SetBackground(p, kPanelDark);
    p.LMeterVisible = false;
    p.RadioNotAnswering = false;
    p.ledLOCK = false;
    p.ledFAST = false;
    p.LEDsub = false;
}

void Power::SYNCbutton_Click()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    meters_.TurnOffLMeter();
    if (s.SubActive) {
        vfo_.SaveInfoVFOSB();
        TagSubModeLabels(p);
    } else if (s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOMB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    meters_.ReadRadioFreqMode();
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

} // namespace dorv
