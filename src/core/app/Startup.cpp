#include "app/AppFrame.h"
#include "app/DisplayLayout.h"
#include "app/MenuLock.h"
#include "app/TransmitTimeOut.h"
#include "app/Power.h"
#include "dialogs/SettingsDialogs.h"
#include "host/Host.h"
#include "memmgr/MemoryManager.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/Version.h"
#include "model/files/DataFiles.h"
#include "panel/Enablement.h"

namespace dorv {

void AppFrame::frmStartup_Load()
{
    panel_.lblWhat = kProductName;
    panel_.lblVersion = ProgramVersionText();
    host_.panelChanged();
}

// The code tables are built on first use, and each knob keeps its last position with its
// state, so neither needs a step here. The radio is not contacted.
void AppFrame::frmRadio_Load(const std::function<void()> &showMainWindow)
{
    RadioState &s = state_;
    PanelState &panel = panel_;
    host_.setBusyPointer(true);

    files_.OpenBandDataFile();
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
    enablement_.ToggleFunctionButtons();

    display_.RecordDesignLayout();
    files_.OpenSettingsFile();
    txTimeOut_.Open();
    files_.OpenHomeFile();

    panel.DisplayPanelColour = kPanelDark;
    panel.LMeterColour = kPanelDark;
    panel.LMeterVisible = false;
    host_.panelChanged();

    Pause(host_, 2);
    if (showMainWindow) {
        showMainWindow();
    }
    host_.setBusyPointer(false);
}

} // namespace dorv
