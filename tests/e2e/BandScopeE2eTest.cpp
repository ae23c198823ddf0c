// The band scope against ft897-sim: the window opened with the mouse, one sweep at the
// fastest speed, its readings exported and compared with the signals file, the frames of
// the sweep read from the simulator's log, and a click on the chart tuning the radio.

#include "E2eSession.h"
#include "app/DisplayLayout.h"
#include "model/ReadoutFormat.h"
#include "scope/ScopeGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

using e2e::E2eSession;

namespace {

// Two signals inside 25 kHz of the 14 MHz band's starting frequency 14.150 MHz, each
// heard only within 500 Hz of its centre.
constexpr const char *kSignals = "14140000 9 1000\n14162000 5 1000\n";
constexpr long kStartHz = 14125000;
constexpr long kStepHz = 1000;
constexpr int kReadings = 51;

// The set-frequency frame as the log shows it: "RX 01 41 25 00 01" for 14.125.00 MHz
// (packed BCD, so each pair of decimal digits reads as one hex byte).
std::string FrequencyFrame(long hz)
{
    char text[32];
    const long units = hz / 10;
    std::snprintf(text, sizeof text, "RX %02ld %02ld %02ld %02ld 01", units / 1000000 % 100,
                  units / 10000 % 100, units / 100 % 100, units % 100);
    return text;
}

const std::string kStatusRequest = "RX 00 00 00 00 E7";

// The SCOPE key of the main window: its place on the face, in fractions, below the menu
// bar. The face keeps its design ratio; the status bar below it is as tall as the menu bar.
std::pair<int, int> ScopeKey(const E2eSession &session)
{
    const auto [width, height] = session.windowSize(session.mainWindow());
    const double faceHeight =
        width * double(dorv::DisplayLayout::kDesignHeight) / dorv::DisplayLayout::kDesignWidth;
    const double top = (height - faceHeight) / 2;
    return {int(width * (0.02 + 0.105 / 2)), int(top + faceHeight * (0.245 + 0.07 / 2))};
}

std::map<long, int> ReadCsv(const std::filesystem::path &path, std::string &firstLine)
{
    std::ifstream in(path);
    std::map<long, int> readings;
    std::getline(in, firstLine);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "frequency_hz,s_value");
    for (std::string line; std::getline(in, line);) {
        const auto comma = line.find(',');
        readings[std::stol(line.substr(0, comma))] = std::stoi(line.substr(comma + 1));
    }
    return readings;
}

TEST(BandScope, sweepExportClickToTuneAndPicture)
{
    E2eSession session(kSignals);
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram());
    session.key("p");
    ASSERT_TRUE(session.waitForPanel("DisplayDark", "0", 15000));
    session.key("F5"); // 14 MHz band, 14.150.00 USB
    ASSERT_TRUE(session.waitForPanel("ledFreq", "14.150.00", 5000));

    const auto [keyX, keyY] = ScopeKey(session);
    session.clickAt(session.mainWindow(), keyX, keyY);
    // The first opening writes the default settings file and says so.
    EXPECT_TRUE(session.answerMessage("Open Scope Settings File", 10000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForPanel("ScopeVisible", "1", 10000)) << session.diagnostics();
    const std::string scope = session.findWindow("Band Scope", 10000);
    ASSERT_FALSE(scope.empty());
    EXPECT_EQ(session.panel("ScopeCentre"), "14.150.00");

    // Settings > Scan Speed > "250 ms.", the last entry.
    session.keyInto(scope, "alt+s");
    session.keyInto(scope, "s");
    session.keyInto(scope, "Up"); // wraps round to the last entry
    session.keyInto(scope, "Return");
    ASSERT_TRUE(session.waitForPanel("ScopeSpeed", "250 ms.", 5000));
    // STEP "1 KHz": the third entry of the list.
    session.clickOnScopeFace(scope, 504, 442);
    session.keyInto(scope, "Down");
    session.keyInto(scope, "Down");
    session.keyInto(scope, "Return");
    ASSERT_TRUE(session.waitForPanel("ScopeStep", "2", 5000));

    const std::size_t logBefore = session.simLog().size();
    session.clickOnScopeFace(scope, 57, 433);
    ASSERT_TRUE(session.waitForPanel("ScopeButton", "STOP", 5000));
    ASSERT_TRUE(session.waitForPanel("ScopeSweeps", "1", 60000));
    EXPECT_TRUE(session.waitForPanel("ScopeButton", "START", 5000));

    // The sweep on the wire: a frequency frame and a status request per reading, in
    // order from the start up, and nothing else between them.
    std::vector<std::string> received;
    const auto log = session.simLog();
    for (std::size_t i = logBefore; i < log.size(); ++i) {
        if (log[i].rfind("RX ", 0) == 0) {
            received.push_back(log[i]);
        }
    }
    const auto first =
        std::find(received.begin(), received.end(), FrequencyFrame(kStartHz)) - received.begin();
    ASSERT_LT(std::size_t(first) + 2 * kReadings, received.size() + 1);
    for (int i = 0; i < kReadings; ++i) {
        EXPECT_EQ(received[first + 2 * i], FrequencyFrame(kStartHz + i * kStepHz)) << i;
        EXPECT_EQ(received[first + 2 * i + 1], kStatusRequest) << i;
    }

    // File > Export Readings...
    const auto csv = session.dir() / "sweep.csv";
    session.keyInto(scope, "alt+f");
    session.keyInto(scope, "x");
    const std::string dialog = session.findWindow("Export Readings", 10000);
    ASSERT_FALSE(dialog.empty()) << session.diagnostics();
    session.typeInto(dialog, csv.string());
    session.keyInto(dialog, "Return");
    ASSERT_TRUE(e2e::WaitFor([&] { return std::filesystem::exists(csv); }, 10000));
    std::string timeLine;
    const auto readings = ReadCsv(csv, timeLine);
    EXPECT_EQ(timeLine.rfind("# sweep finished 20", 0), 0u) << timeLine;
    ASSERT_EQ(readings.size(), std::size_t(kReadings));
    for (const auto &[hz, s] : readings) {
        const int expected = std::labs(hz - 14140000) <= kStepHz   ? 9
                             : std::labs(hz - 14162000) <= kStepHz ? 5
                                                                   : 0;
        if (expected == 0) {
            EXPECT_EQ(s, 0) << hz;
        } else if (hz == 14140000 || hz == 14162000) {
            EXPECT_EQ(s, expected) << hz;
        }
    }

    // A second sweep, then the picture for a person to look at.
    session.clickOnScopeFace(scope, 57, 433);
    ASSERT_TRUE(session.waitForPanel("ScopeSweeps", "2", 60000));
    usleep(500 * 1000);
    EXPECT_TRUE(session.screenshot("band-scope-two-sweeps.png"));

    // A click on the chart at the first signal tunes the radio to the clicked point, to
    // the nearest 10 Hz.
    dorv::ScopeChartState chart;
    chart.Origin = kStartHz / 1000.0;
    chart.Span = 50;
    const dorv::PlotArea area =
        dorv::ChartPlotArea(dorv::kScopeChartRect.Width, dorv::kScopeChartRect.Height);
    const int chartX =
        dorv::kScopeChartRect.Left + int(std::lround(dorv::XOfKHz(chart, area, 14140.0)));
    const int chartY = dorv::kScopeChartRect.Top + int(area.Top + area.Height / 2);
    const auto clicked = static_cast<dorv::Freq>(
        std::lround(dorv::KHzAtX(chart, area, chartX - dorv::kScopeChartRect.Left) * 100));
    ASSERT_LT(std::labs(clicked - 1414000), 10) << "within a pixel of 14.140 MHz";
    const std::size_t beforeClick = session.simLog().size();
    session.clickOnScopeFace(scope, chartX, chartY);
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            const auto now = session.simLog();
            return std::find(now.begin() + long(beforeClick), now.end(),
                             FrequencyFrame(clicked * 10L)) != now.end();
        },
        5000));
    EXPECT_TRUE(session.waitForPanel("ledFreq", dorv::FormatFrequency(clicked), 5000));
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
