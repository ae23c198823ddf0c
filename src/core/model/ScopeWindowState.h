#pragma once

#include "model/Units.h"

#include <string>
#include <vector>

namespace dorv {

struct MenuItem;

// One reading of a sweep: where the radio was tuned and the S value it reported (0..15).
struct ScopeReading {
    Freq Frequency = 0; // 10 Hz units
    int S = 0;
    bool operator==(const ScopeReading &) const = default;
};

// The readings of one finished sweep and when it finished.
struct ScopeSweep {
    std::vector<ScopeReading> Readings;
    std::string FinishedAt; // UTC, "2026-12-07T14:05:09Z"
    bool operator==(const ScopeSweep &) const = default;
};

// The strip chart of the band scope. Horizontal values are in kHz. The visible range
// runs from Origin to Origin + Span; a position set beyond either edge pans the range so
// the position is just inside it.
struct ScopeChartState {
    double Origin = 0; // kHz at the left edge
    double Step = 0;   // kHz between readings
    double Span = 0;   // kHz across the chart
    double Marker = 0; // kHz of the current frequency
    int DisplayMode = 0;
    int Handles = 0;   // grid lines: 0 none, 1 horizontal, 2 vertical, 3 both
    int WrapWidth = 1; // kept for the menu and the file; a panning chart has no wrap cursor
    bool Fill = true;  // fill under the trace
    std::vector<ScopeReading> Samples; // the sweep being drawn
    // The picture before the sweep began: shown where the sweep has not read yet.
    std::vector<ScopeReading> Previous;
    bool operator==(const ScopeChartState &) const = default;
};

// The band scope window frmBandScope as the GUI shows it.
struct ScopeWindowState {
    bool Visible = false;
    std::string cmdSCAN = "START";
    std::string txtCurrent; // txtboxFreq(0), "CURRENT FREQUENCY"
    std::string txtCentre;  // txtboxFreq(1), "CENTER FREQUENCY"
    int listSteps = 0;      // selected entry
    int listScanWidth = 6;
    // Set while a sweep step has waited too long for the radio's reply.
    bool NotAnswering = false;
    ScopeChartState stripScope;
    // Finished sweeps, newest first.
    std::vector<ScopeSweep> Waterfall;
    int CompletedSweeps = 0;

    // Menus: File (0 Exit, 1 Save Picture..., 2 Export Readings...), the seven Settings
    // submenus, Help (0 Contents, 1 separator, 2 About). mnuWrapWidthArray uses 1..4.
    std::vector<MenuItem> mnuFileArray, mnuActiveSearchArray, mnuScopeScanSpeedArray,
        mnuContinuousScan, mnuDisplayModeArray, mnuHandleArray, mnuWrapWidthArray,
        mnuColorFillArray, mnuHelpArray;
    bool operator==(const ScopeWindowState &) const = default;
};

} // namespace dorv
