#include "Radio.h"
#include "scope/ScopeChartWidget.h"
#include "scope/ScopeGeometry.h"
#include "scope/ScopeWindow.h"
#include "scope/WaterfallWidget.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

void Click(QWidget &widget, Qt::MouseButton button, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), widget.mapToGlobal(QPointF(at)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), widget.mapToGlobal(QPointF(at)),
                        button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// 144.975 to 145.025 MHz with a peak of S 12 at 145.000 MHz.
ScopeChartState PeakChart(bool fill)
{
    ScopeChartState chart;
    chart.Origin = 144975;
    chart.Span = 50;
    chart.Step = 1;
    chart.Marker = 145025;
    chart.Fill = fill;
    for (int k = 0; k <= 50; ++k) {
        const int s = k == 25 ? 12 : (k == 24 || k == 26) ? 6 : 0;
        chart.Samples.push_back({14497500 + k * 100, s});
    }
    return chart;
}

TEST(ScopeChartWidget, clickInsideThePlotReportsItsFrequencyAndOutsideNothing)
{
    ScopeChartWidget chart;
    chart.resize(632, 250);
    chart.setChart(PeakChart(true));
    std::vector<double> selected;
    QObject::connect(&chart, &ScopeChartWidget::pointSelected,
                     [&](double kHz) { selected.push_back(kHz); });
    const PlotArea area = ChartPlotArea(632, 250);
    const ScopeChartState state = PeakChart(true);
    const int x = int(XOfKHz(state, area, 145010.0));
    Click(chart, Qt::LeftButton, QPoint(x, int(area.Top + area.Height / 2)));
    ASSERT_EQ(selected.size(), 1u);
    const double kHzPerPixel = state.Span / area.Width;
    EXPECT_NEAR(selected[0], 145010.0, kHzPerPixel);

    Click(chart, Qt::LeftButton, QPoint(4, int(area.Top + 10))); // S axis
    Click(chart, Qt::RightButton, QPoint(x, int(area.Top + 10)));
    EXPECT_EQ(selected.size(), 1u);
}

// Halfway between the peak and the axis, the filled trace paints and the bare one does not.
TEST(ScopeChartWidget, colourFillPaintsUnderTheTraceOnly)
{
    ScopeChartWidget chart;
    chart.resize(632, 250);
    const PlotArea area = ChartPlotArea(632, 250);
    const ScopeChartState state = PeakChart(true);
    const QPoint underPeak(int(XOfKHz(state, area, 145000.0)), int(area.Top + area.Height * 0.7));
    const QPoint besidePeak(int(XOfKHz(state, area, 144985.0)), underPeak.y());

    chart.setChart(PeakChart(true));
    const QImage filled = chart.grab().toImage();
    chart.setChart(PeakChart(false));
    const QImage bare = chart.grab().toImage();
    EXPECT_NE(filled.pixelColor(underPeak), bare.pixelColor(underPeak));
    EXPECT_EQ(filled.pixelColor(besidePeak), bare.pixelColor(besidePeak));
    EXPECT_EQ(bare.pixelColor(underPeak), bare.pixelColor(besidePeak));
}

// The label of the last kHz value sits at the chart's right edge; it is drawn whole,
// moved inwards, instead of being cut by the widget's edge.
TEST(ScopeChartWidget, lastAxisLabelIsDrawnWhole)
{
    ScopeChartWidget chart;
    chart.resize(632, 250);
    ScopeChartState state;
    state.Origin = 145400;
    state.Span = 100; // labels every 20 kHz, the last at 145500 on the right edge
    chart.setChart(state);
    const QImage image = chart.grab().toImage();
    const PlotArea area = ChartPlotArea(632, 250);
    QFont font = chart.font();
    font.setPixelSize(std::max(9, int(250 * 0.045)));
    const QFontMetrics metrics(font);
    const int top = int(area.Top + area.Height) + 4;
    const QColor background = image.pixelColor(631, top + metrics.height() / 2);
    const auto ink = [&](int x) {
        for (int y = top; y < top + metrics.height(); ++y) {
            if (image.pixelColor(x, y) != background) {
                return true;
            }
        }
        return false;
    };
    int right = 631;
    while (right > 0 && !ink(right)) {
        --right;
    }
    int left = right;
    for (int gap = 0; left > 0 && gap < 5; --left) {
        gap = ink(left - 1) ? 0 : gap + 1;
    }
    EXPECT_LT(right, 631) << "ink reaches the widget's edge";
    EXPECT_GE(right - left + 1, metrics.horizontalAdvance(QStringLiteral("145500")) - 3)
        << "the label is cut";
}

// However few sweeps there are, each is a band of a few pixels, not a single line.
TEST(WaterfallWidget, oneSweepIsAVisibleBand)
{
    WaterfallWidget waterfall;
    waterfall.resize(kScopeWaterfallRect.Width, kScopeWaterfallRect.Height);
    const ScopeChartState range = PeakChart(true);
    waterfall.setSweeps({{range.Samples, "now"}}, 1, range);
    const QImage image = waterfall.grab().toImage();
    const PlotArea area = WaterfallPlotArea(waterfall.width(), waterfall.height());
    const int x = int(XOfKHz(range, area, 145000.2));
    const QColor peak = image.pixelColor(x, int(area.Top) + 1);
    for (int dy = 1; dy <= 3; ++dy) {
        EXPECT_EQ(image.pixelColor(x, int(area.Top) + dy), peak) << "row " << dy;
    }
    EXPECT_NE(image.pixelColor(x, int(area.Top) + 8), peak) << "the band ends";
}

class NullHost : public Host {
public:
    MsgAnswer messageBox(const std::string &, const std::string &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Ok;
    }
    void beep() override {}
    std::optional<std::string> openFileDialog(const FileDialogRequest &) override { return {}; }
    std::optional<std::string> saveFileDialog(const FileDialogRequest &) override { return {}; }
    double now() override { return 0; }
    void yield() override {}
    ScreenSize screenSize() override { return {}; }
    void setBusyPointer(bool) override {}
    bool showHelp(const std::string &) override { return true; }
    void attachTimer(Timer &) override {}
};

class NoPort : public SerialPort {
public:
    bool open(const SerialSettings &) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    std::string errorString() const override { return {}; }
    void write(const Bytes &) override {}
    int bytesAvailable() override { return 0; }
    Bytes read(int) override { return {}; }
    void discardInput() override {}
};

// The picture holds the chart over the waterfall, and the file is a PNG a viewer can open.
TEST(ScopeWindow, savePictureWritesTheChartAndWaterfallAsPng)
{
    QTemporaryDir dir;
    NullHost host;
    NoPort port;
    Radio radio(host, port, dir.path().toStdString());
    radio.state.MainVfo.Frequency = 14500000;
    radio.scope.SCOPEbutton_Click();
    radio.panel.frmBandScope.stripScope = PeakChart(true);
    radio.panel.frmBandScope.Waterfall.push_back({PeakChart(true).Samples, "now"});
    radio.panel.frmBandScope.CompletedSweeps = 1;
    ScopeWindow window(radio);
    window.render();
    EXPECT_TRUE(window.isVisible());

    const QString path = dir.filePath("scope.png");
    std::string error;
    ASSERT_TRUE(window.savePicture(path, error)) << error;
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.width(), kScopeFaceWidth);
    EXPECT_GE(saved.height(), kScopeWaterfallRect.Top + kScopeWaterfallRect.Height);
    // The waterfall row of the peak is coloured apart from its quiet neighbours.
    const PlotArea rows = WaterfallPlotArea(kScopeWaterfallRect.Width, kScopeWaterfallRect.Height);
    const ScopeChartState range = PeakChart(true);
    const int y = kScopeWaterfallRect.Top + int(rows.Top) + 1;
    const int peakX = kScopeWaterfallRect.Left + int(XOfKHz(range, rows, 145000.2));
    const int quietX = kScopeWaterfallRect.Left + int(XOfKHz(range, rows, 144990.2));
    EXPECT_NE(saved.pixelColor(peakX, y), saved.pixelColor(quietX, y));

    EXPECT_FALSE(window.savePicture(dir.filePath("missing/dir/scope.png"), error));
    EXPECT_FALSE(error.empty());

    window.close(); // the close box
    EXPECT_FALSE(radio.panel.frmBandScope.Visible);
}

} // namespace
} // namespace dorv::gui
