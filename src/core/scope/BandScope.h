#pragma once

#include "host/StepPacer.h"
#include "host/Timer.h"
#include "model/ScopeWindowState.h"
#include "model/Units.h"
#include "scope/ScopeSettingsRecord.h"

#include <filesystem>
#include <string>

namespace dorv {

class CatCommands;
class CatLink;
class Host;
class Meters;
struct PanelState;
struct RadioState;

// The band scope window frmBandScope: it steps the main VFO across a range around a centre
// frequency, reads the receiver status at each step and plots the S values on its chart.
// One sweep step is one tick of TimerScope; the step waits for the radio's reply while
// yielding, so STOP, the chart and the main window keep working during the wait. A radio
// that answers within the interval gives one reading per interval.
class BandScope {
public:
    BandScope(Host &host, const std::string &dataDir, RadioState &state, PanelState &panel,
              CatLink &link, CatCommands &cat, Meters &meters);

    // The main window's SCOPE button: loads the window unless it is open, and shows it.
    void SCOPEbutton_Click();
    void Form_Load();
    // The close box: ends the sweep and closes the window without saving the settings.
    void Form_Unload();

    void cmdSCAN_Click();    // START / STOP
    void SSCommand1_Click(); // RESET: the main VFO's frequency becomes the centre
    void listScanWidth_Click(int Index);
    void listSteps_Click(int Index);
    void ChangeXScale();
    // The sweep's step from the STEP list.
    void ChangeScanStep();
    // A click on the chart at `kHz`: the radio is tuned there, to the nearest 10 Hz.
    void stripScope_PointSelected(double kHz);
    // A sweep is under way (START was pressed and the sweep has not ended).
    bool Sweeping() const;

    // File: 0 Exit (saves the settings), 2 Export Readings...; 1 (Save Picture...) is the
    // GUI's, as only it has the picture.
    void mnuFileArray_Click(int Index);
    void mnuActiveSearchArray_Click(int Index);
    void mnuScopeScanSpeedArray_Click(int Index);
    void mnuContinuousScan_Click(int Index);
    // Whatever entry is chosen, "Pan" is applied: stored files rely on it.
    void mnuDisplayModeArray_Click(int Index);
    void mnuHandleArray_Click(int Index);
    void mnuWrapWidthArray_Click(int Index);
    void mnuColorFillArray_Click(int Index);
    void mnuHelpArray_Click(int Index);

    void OpenScopeSettingsFile();
    bool SaveScopeSettingsFile();

    // Writes the last complete sweep as CSV to `path`; false (and the user told) when
    // there is none or the file cannot be written.
    bool ExportReadings(const std::string &path);

    ScopeSettingsRecord ScopeSettings;
    Timer TimerScope{"TimerScope"};

    Freq ScopeCentre = 0; // 10 Hz units
    Freq ScopeStart = 0;
    Freq ScopeEnd = 0;
    Freq ScopeStep = 0;  // what one sweep step adds, 10 Hz units
    long CurrentKHz = 0; // the main VFO's frequency in whole kHz

    // Sweeps kept in the waterfall.
    static constexpr std::size_t kWaterfallRows = 100;
    // A reply missing for this long makes the window say that the radio is not answering.
    static constexpr double kSilentSeconds = 2.0;

private:
    ScopeWindowState &view();
    void StartSweep();
    void StopSweep();
    void TimerScope_Timer();
    // Tunes the main VFO one step up; false, with nothing sent, when the step would reach
    // the band's upper tuning limit, where the sweep ends.
    bool StepSweep();
    // One status check: asks when ScopeSendRequest, then takes a waiting reply.
    void ReadRxStatusScope();
    // Keeps the finished sweep for the waterfall and the export.
    void FinishSweep();
    // The chart back at the sweep's start, empty, with the marker at the current kHz.
    void RestartChart();
    void ShowCurrent(Freq freq);
    void TurnOnMeterIfLinked();
    void UntickAndTick(std::vector<MenuItem> &menu, int Index);
    std::filesystem::path SettingsFile() const;
    void BuildMenus();

    Host &host_;

    const std::string &dataDir_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;

    Meters &meters_;
    bool ScopeStatusIn = false;
    bool ScopeSendRequest = false;
    // Counts sweeps started and stopped, so a step waiting from an earlier sweep ends
    // instead of carrying on in a new one.
    unsigned sweepGeneration_ = 0;
    ScopeSweep sweep_; // readings of the sweep under way
    StepPacer pacer_{host_, TimerScope};
};

} // namespace dorv
