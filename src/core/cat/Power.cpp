#include "cat/Power.h"

#include "Radio.h"
#include "model/BandCopies.h"
#include "panel/SubModeBlink.h"

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
    if (!radio_.state.PortReady) {
        radio_.host.messageBox(kNoPortText, kNoPortTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    switching_ = true;
    const CatLink::Sequence sequence{radio_.link};
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{switching_};
    if (radio_.state.CatOn) {
        SwitchOff();
    } else {
        SwitchOn();
    }
    radio_.host.panelChanged();
}

void Power::SwitchOn()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
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
    radio_.vfo.ResetLastInfoVFO();
    radio_.vfo.ChangeToVFOfunction();
    radio_.enablement.TimerDelayTag = "OFF";
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.meters.TurnOnLMeter();
}

void Power::TuneToRadio()
{
    RadioState &s = radio_.state;
    SYNCbutton_Click();
    radio_.vfo.SaveInfoVFOMB();
    radio_.cat.ToggleVFOAB();
    s.SubActive = true;
    SYNCbutton_Click();
    s.SubActive = false;
    radio_.vfo.SaveInfoVFOSB();
    radio_.cat.ToggleVFOAB();
}

void Power::SwitchOff()
{
    RadioState &s = radio_.state;
    s.CatOn = false;
    EndRunningFunctions();
    if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
        radio_.vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    radio_.files.SaveSessionFiles();
    radio_.meters.TurnOffLMeter();
    radio_.meters.TimerSignalMeter.setEnabled(false);
    radio_.scan.TimerScanner.setEnabled(false);
    radio_.scan.TimerScannerMR.setEnabled(false);
    radio_.pri.TimerPriorityMonitor.setEnabled(false);
    radio_.enablement.TimerDelay.setEnabled(false);
    radio_.tuning.tmrKnob.setEnabled(false);
    DarkenPanel();
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
}

void Power::EndRunningFunctions()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    if (p.lblOnAir.Visible) {
        radio_.transmit.MOXbutton_Click();
        if (p.lblOnAir.Visible) {
            // MOX ignores presses while the menus are locked; never leave the
            // transmitter keyed behind a dark panel.
            radio_.meters.TimerPowerMeter.setEnabled(false);
            p.lblOnAir.Visible = false;
            radio_.cat.SetPTT(false);
        }
    }
    if (s.ScanOn) {
        radio_.scan.Disarm();
    }
    // A search left running would keep polling a radio the panel no longer drives.
    if (s.SearchOn) {
        radio_.search.SEARCHbutton_Click();
    }
    if (s.ClarOn) {
        radio_.clar.CLARbutton_Click();
    }
    // Ended here rather than through PRI, which an open keypad entry would take as its digit.
    if (s.PriOn) {
        radio_.pri.EndPriorityMonitor();
    }
    if (s.MckOn) {
        radio_.mck.TurnOffMCK();
    }
    if (s.SubActive) {
        radio_.vfo.SUBbutton_Click();
    }
    if (s.HomeActive) {
        radio_.home.HOMEbutton_Click();
    }
    if (s.SplitOn) {
        radio_.split.SPLITbutton_Click();
    }
}

void Power::DarkenPanel()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
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
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    radio_.meters.TurnOffLMeter();
    if (s.SubActive) {
        radio_.vfo.SaveInfoVFOSB();
        TagSubModeLabels(p);
    } else if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    radio_.meters.ReadRadioFreqMode();
    radio_.meters.TurnOnLMeter();
    radio_.host.panelChanged();
}

void Power::TimerSendFreq_Timer()
{
    radio_.cat.SendOperatedFreq();
}

} // namespace dorv
