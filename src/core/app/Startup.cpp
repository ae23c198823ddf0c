#include "Radio.h"
#include "app/AppFrame.h"
#include "app/Version.h"

namespace dorv {

void AppFrame::frmStartup_Load()
{
    radio_.panel.lblWhat = kProductName;
    radio_.panel.lblVersion = ProgramVersionText();
    radio_.host.panelChanged();
}

// The code tables are built on first use, and each knob keeps its last position with its
// state, so neither needs a step here. The radio is not contacted.
void AppFrame::frmRadio_Load(const std::function<void()> &showMainWindow)
{
    RadioState &s = radio_.state;
    PanelState &panel = radio_.panel;
    radio_.host.setBusyPointer(true);

    radio_.files.OpenBandDataFile();
    s.MainBand = s.SubBand = s.BandTable.LastMainBand;
    s.MainVfo = s.SubVfo = s.BandTable.BandMainVfo[s.BandTable.LastMainBand];
    s.OperatingState = StateVFO;
    s.CurrentMemory = 0;
    s.SplitAtRadio = false;
    s.CatOn = false;

    // The CAT switch enables the knobs and the jog buttons.
    panel.ChannelKnob.Enabled = false;
    panel.MainKnob.Enabled = false;
    panel.ClarKnob.Enabled = false;
    panel.btnJogDown.Enabled = false;
    panel.btnJogUp.Enabled = false;
    radio_.enablement.ToggleFunctionButtons();

    radio_.display.RecordDesignLayout();
    radio_.files.OpenSettingsFile();
    radio_.txTimeOut.Open();
    radio_.files.OpenHomeFile();

    panel.DisplayPanelColour = kPanelDark;
    panel.LMeterColour = kPanelDark;
    panel.LMeterVisible = false;
    radio_.host.panelChanged();

    Pause(radio_.host, 2);
    if (showMainWindow) {
        showMainWindow();
    }
    radio_.host.setBusyPointer(false);
}

} // namespace dorv
