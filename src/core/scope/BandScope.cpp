#include "scope/BandScope.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "host/PortTypes.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "scope/ScopeChart.h"
#include "scope/ScopeMenuChoices.h"

#include <cmath>

namespace dorv {

BandScope::BandScope(Host &host, const std::string &dataDir, RadioState &state, PanelState &panel,
                     CatLink &link, CatCommands &cat, Meters &meters)
    : host_(host), dataDir_(dataDir), state_(state), panel_(panel), link_(link), cat_(cat),
      meters_(meters)
{
    TimerScope.setInterval(kScopeSpeedChoices[0].IntervalMs);
    TimerScope.setTickHandler([this] { TimerScope_Timer(); });
    link_.AttachTimer(TimerScope);
    BuildMenus();
}

ScopeWindowState &BandScope::view()
{
    return panel_.frmBandScope;
}

void BandScope::SCOPEbutton_Click()
{
    if (!view().Visible) {
        Form_Load();
        view().Visible = true;
    }
    host_.panelChanged();
}

void BandScope::Form_Load()
{
    ScopeWindowState &v = view();
    v.cmdSCAN = "START";
    v.NotAnswering = false;
    v.Waterfall.clear();
    v.CompletedSweeps = 0;
    v.stripScope.Samples.clear();
    v.stripScope.Previous.clear();
    ScopeCentre = state_.MainVfo.Frequency;
    v.txtCentre = FormatFrequency(ScopeCentre);
    OpenScopeSettingsFile();
    listSteps_Click(kScopeStepAtLoad);
    ChangeScanStep();
    listScanWidth_Click(kScopeWidthAtLoad);
    mnuDisplayModeArray_Click(0);
}

// Only the sweep ends: a scan or search the panel runs meanwhile goes on.
void BandScope::Form_Unload()
{
    if (Sweeping()) {
        StopSweep();
    }
    view().Visible = false;
    view().NotAnswering = false;
    host_.panelChanged();
}

bool BandScope::Sweeping() const
{
    return state_.ScopeSweeping;
}

// The meter polls only while the link is on; the link may have gone off while the
// window was open.
void BandScope::TurnOnMeterIfLinked()
{
    if (state_.CatOn) {
        meters_.TurnOnLMeter();
    }
}

void BandScope::SSCommand1_Click()
{
    ScopeCentre = state_.MainVfo.Frequency;
    view().txtCentre = FormatFrequency(ScopeCentre);
    ChangeXScale();
    host_.panelChanged();
}

void BandScope::listScanWidth_Click(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(std::size(kScopeWidths))) {
        return;
    }
    view().listScanWidth = Index;
    ChangeXScale();
    host_.panelChanged();
}

void BandScope::listSteps_Click(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(std::size(kScopeSteps))) {
        return;
    }
    view().listSteps = Index;
}

void BandScope::ChangeXScale()
{
    ScopeWindowState &v = view();
    const Freq width = kScopeWidths[v.listScanWidth].Value;
    ScopeStart = ScopeCentre - width;
    ScopeEnd = ScopeCentre + width;
    state_.MainVfo.Frequency = ScopeStart;
    v.stripScope.Origin = ScopeStart / 100;
    v.txtCurrent = FormatFrequency(ScopeStart);
    v.stripScope.Marker = ScopeStart / 100.0;
    v.stripScope.Step = kScopeSteps[v.listSteps].Value / 100.0;
    v.stripScope.Span = 2.0 * (width / 100);
}

void BandScope::ChangeScanStep()
{
    ScopeStep = kScopeSteps[view().listSteps].Value;
}

// The current frequency readout shows whole kHz here, as the readout of a Long.
void BandScope::ShowCurrent(Freq freq)
{
    CurrentKHz = std::lround(freq / 100.0);
    view().txtCurrent = FormatFrequency(static_cast<Freq>(CurrentKHz * 100));
}

void BandScope::stripScope_PointSelected(double kHz)
{
    const auto freq = static_cast<Freq>(std::lround(kHz * 100.0));
    view().txtCurrent = FormatFrequency(freq);
    view().stripScope.Marker = freq / 100.0; // the dashed line follows the main VFO
    state_.MainVfo.Frequency = freq;
    cat_.SendFreqToRadioMB(freq);
    host_.panelChanged();
}

} // namespace dorv
