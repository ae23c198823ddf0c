// What a change of the panel state repaints: a status reading only the meter and BUSY,
// and every partial repaint leaves the same pixels as painting the whole window again.
#include "app/FrontPanel.h"
#include "app/MainWindow.h"
#include "widgets/SevenSegmentDisplay.h"
#include "widgets/SignalMeter.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace dorv::gui {
namespace {

// Counts the paint events of every widget of a window and collects where they painted, in
// the window's coordinates.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) : window_(window)
    {
        for (QWidget *widget : window->findChildren<QWidget *>())
            widget->installEventFilter(this);
    }
    QMap<QString, int> painted;
    QRegion region;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            painted[widget->objectName()] += 1;
            region += static_cast<QPaintEvent *>(event)->region().translated(
                widget->mapTo(window_, QPoint(0, 0)));
        }
        return false;
    }

private:
    QWidget *window_;
};

class PanelRepaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(dir.path());
        PanelState &panel = window->radio().panel;
        // The panel as it stands with the link on: display lit, readouts and meter shown.
        panel.DisplayPanelColour = panel.LMeterColour = {0, 200, 240};
        panel.LMeterVisible = panel.ledFreqVisible = panel.ledSubFreqVisible = true;
        panel.lblMBmode[1].Visible = true;
        window->render();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    // What the window shows now, as painted into its backing store.
    QImage shown() const { return window->screen()->grabWindow(window->winId()).toImage(); }

    // The window as a whole repaint draws it: every widget painted afresh into an image of
    // the backing store's format. (A repaint or update of the top-level window leaves the
    // backing store's stale pixels in place on the offscreen platform, so it cannot serve.)
    QImage repainted() const { return window->grab().toImage().convertToFormat(shown().format()); }

    QWidget *child(const char *name) const
    {
        return window->findChild<QWidget *>(QLatin1String(name));
    }

    // The core's way of telling the window that a reading came in.
    void changed() const
    {
        window->host().panelChanged();
        settle();
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PanelRepaintTest, statusReading_repaintsOnlyTheMeterAndBusy)
{
    PanelState &panel = window->radio().panel;
    PaintCounter counter(window.get());
    panel.LMeter[0].End = 7;
    panel.LMeter[2].Value = 7;
    panel.lblBusy.Visible = true;
    changed();

    EXPECT_GE(counter.painted.value("LMeter"), 1);
    EXPECT_GE(counter.painted.value("lblBusy"), 1);
    EXPECT_EQ(counter.painted.value("ledFreq"), 0);
    // The face and the transparent widgets over it are painted under the meter and BUSY
    // only, never a key, a knob or a readout elsewhere.
    QRegion reading;
    for (const char *name : {"LMeter", "lblBusy"}) {
        QWidget *widget = child(name);
        reading += QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    }
    const QRect outside = (counter.region - reading).boundingRect();
    EXPECT_TRUE(outside.isEmpty())
        << "painted outside the reading at " << outside.x() << "," << outside.y() << " "
        << outside.width() << "x" << outside.height();

    // The same reading again paints nothing at all.
    counter.painted.clear();
    changed();
    EXPECT_TRUE(counter.painted.isEmpty()) << counter.painted.firstKey().toStdString();
}

// A status reading's own notice draws the meter and BUSY without comparing the rest of the
// panel; whatever else changed is drawn at the next notice of a change.
TEST_F(PanelRepaintTest, meterNotice_drawsTheMeterAndLeavesTheRestToTheNextChange)
{
    PanelState &panel = window->radio().panel;
    auto *meter = window->findChild<SignalMeter *>("LMeter");
    auto *readout = window->findChild<SevenSegmentDisplay *>("ledFreq");
    const QString before = readout->text();
    PaintCounter counter(window.get());
    panel.LMeter[0].End = 11;
    panel.lblBusy.Visible = true;
    panel.ledFreq = "7.074.00";
    window->host().meterChanged();
    settle();

    EXPECT_DOUBLE_EQ(meter->indicator(0).end, 11);
    EXPECT_TRUE(child("lblBusy")->isVisible());
    EXPECT_EQ(counter.painted.value("ledFreq"), 0);
    EXPECT_EQ(readout->text(), before);

    counter.painted.clear();
    window->host().meterChanged();
    settle();
    EXPECT_TRUE(counter.painted.isEmpty()) << "the same reading again paints nothing";

    changed();
    EXPECT_EQ(readout->text(), "7.074.00");
    EXPECT_DOUBLE_EQ(meter->indicator(0).end, 11);
}

// A knob step repaints the digit cells that changed (with the face under them), not the
// whole readout and nothing outside it.
TEST_F(PanelRepaintTest, frequencyStep_repaintsOnlyTheDigitsThatChanged)
{
    PanelState &panel = window->radio().panel;
    panel.ledFreq = "145.500.00";
    changed();
    QWidget *readout = child("ledFreq");
    const QRect whole(readout->mapTo(window.get(), QPoint(0, 0)), readout->size());
    PaintCounter counter(window.get());
    panel.ledFreq = "145.500.10"; // one cell, the tens of hertz
    changed();
    EXPECT_GE(counter.painted.value("ledFreq"), 1);
    const QRect outside = (counter.region - whole).boundingRect();
    EXPECT_TRUE(outside.isEmpty())
        << "painted outside the readout at " << outside.x() << "," << outside.y() << " "
        << outside.width() << "x" << outside.height();
    // One cell of eight and the lean of its neighbours: well under a quarter of the width,
    // and right of the middle where that digit stands.
    const QRect painted = counter.region.boundingRect();
    EXPECT_LT(painted.width(), whole.width() / 4);
    EXPECT_GT(painted.left(), whole.center().x());

    // A step across a hundred kilohertz changes four cells: still not the first three.
    counter.region = QRegion();
    panel.ledFreq = "145.499.90";
    changed();
    EXPECT_GT(counter.region.boundingRect().left(), whole.left() + whole.width() / 4);
}

// A reading that comes with another change (here the frequency) draws both.
TEST_F(PanelRepaintTest, readingWithAnotherChange_drawsBoth)
{
    PanelState &panel = window->radio().panel;
    panel.LMeter[0].End = 5;
    panel.ledFreq = "145.500.00";
    changed();
    EXPECT_EQ(window->findChild<SevenSegmentDisplay *>("ledFreq")->text(), "145.500.00");
    EXPECT_DOUBLE_EQ(window->findChild<SignalMeter *>("LMeter")->indicator(0).end, 5);
}

// Where two images of the same size differ by more than one step in a colour channel, as
// "x,y": the face's gradients may land one step apart when a small area is drawn alone.
std::string differences(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return "different sizes";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 1 || qAbs(qGreen(p) - qGreen(q)) > 1 ||
                qAbs(qBlue(p) - qBlue(q)) > 1)
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

// Readings up and down the scale, BUSY on and off, and frequency steps leave the window
// as a whole repaint paints it, at every size and face.
TEST_F(PanelRepaintTest, partialRepaints_leaveTheWindowAsAWholeRepaintDoes)
{
    PanelState &panel = window->radio().panel;
    Radio &radio = window->radio();
    for (int size : {0, 2}) {
        for (int face : {4, 5}) {
            radio.display.mnuResizeDisplayArray_Click(size);
            radio.display.mnuResizeDisplayArray_Click(face);
            settle();
            const double readings[] = {9, 3, 15, 0, 11};
            const char *freqs[] = {"145.500.00", "145.500.10", "145.501.00", "14.200.00",
                                   "145.499.90", "1.800.00",   "",           "438.999.99"};
            for (int i = 0; i < 8; ++i) {
                panel.LMeter[0].End = readings[i % 5];
                panel.LMeter[1] = i % 2 ? MeterIndicator{2.25, 2.75, 0} : MeterIndicator{};
                panel.lblBusy.Visible = i % 2 == 0;
                const QImage before = shown();
                changed();
                const QImage afterReading = shown();
                ASSERT_NE(before, afterReading) << "the grab does not show the reading";
                ASSERT_EQ(differences(afterReading, repainted()), "")
                    << "reading " << i << " size " << size << " face " << face;
                panel.ledFreq = freqs[i];
                changed();
                const QImage afterStep = shown();
                ASSERT_EQ(differences(afterStep, repainted()), "")
                    << freqs[i] << " size " << size << " face " << face;
            }
        }
    }
}

} // namespace
} // namespace dorv::gui
