#include "ImageHelpers.h"
#include "widgets/FaceButton.h"
#include "widgets/FaceWidget.h"
#include "widgets/Knob.h"
#include "widgets/Led.h"
#include "widgets/PanelLabel.h"
#include "widgets/SevenSegmentDisplay.h"
#include "widgets/SignalMeter.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace dorv;

namespace {

// The three window widths of the panel; each widget is tried at a size in proportion.
constexpr int kWidths[] = {640, 800, 1024};

struct Subject {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> make;
    QSizeF share; // size as a fraction of the window width
};

const Subject kSubjects[] = {
    {"readout",
     [] {
         auto w = std::make_unique<SevenSegmentDisplay>(8);
         w->setText("144.200.00");
         return w;
     },
     {0.40, 0.08}},
    {"knob", [] { return std::make_unique<Knob>(); }, {0.18, 0.18}},
    {"led",
     [] {
         auto w = std::make_unique<Led>();
         w->setLit(true);
         return w;
     },
     {0.02, 0.02}},
    {"meter",
     [] {
         auto w = std::make_unique<SignalMeter>();
         w->setIndicator(0, true, 0, 9, 11);
         return w;
     },
     {0.30, 0.12}},
    {"button",
     [] {
         auto w = std::make_unique<FaceButton>("1");
         w->setUpperLegend("RPT");
         return w;
     },
     {0.06, 0.06}},
    {"label", [] { return std::make_unique<PanelLabel>("BUSY"); }, {0.06, 0.02}},
    {"radio face", [] { return std::make_unique<FaceWidget>(); }, {1.0, 0.42}},
    {"lcd face reduced",
     [] {
         auto w = std::make_unique<FaceWidget>();
         w->setFaceStyle(FaceStyle::Lcd);
         w->setColourSet(ColourSet::Reduced);
         return w;
     },
     {0.9, 0.25}},
};

} // namespace

TEST(Render, everyWidgetAtEverySize_drawsSomethingNonUniform)
{
    for (const Subject &subject : kSubjects) {
        for (int width : kWidths) {
            const std::unique_ptr<QWidget> widget = subject.make();
            widget->resize(qMax(4, qRound(subject.share.width() * width)),
                           qMax(4, qRound(subject.share.height() * width)));
            const QImage image = test::render(*widget);
            EXPECT_GT(test::distinctColours(image), 2) << subject.name << " at " << width;
        }
    }
}

TEST(Render, disabledKnob_looksDifferentFromEnabled)
{
    Knob knob;
    knob.resize(80, 80);
    const QImage enabled = test::render(knob);
    knob.setEnabled(false);
    EXPECT_NE(test::render(knob), enabled);
}

TEST(Render, knobCap_turnsWithEachStep)
{
    Knob knob;
    knob.resize(80, 80);
    const QImage before = test::render(knob);
    QTest::keyClick(&knob, Qt::Key_Up);
    EXPECT_NE(test::render(knob), before);
}

TEST(Render, hiddenPanelLabel_paintsNothingButKeepsItsPlace)
{
    QWidget display;
    PanelLabel label("BUSY", &display);
    label.resize(60, 14);
    display.show();
    EXPECT_GT(test::distinctColours(test::render(label)), 1);
    const QSize hint = label.sizeHint();
    label.setShown(false);
    EXPECT_EQ(test::distinctColours(test::render(label)), 1);
    EXPECT_EQ(label.sizeHint(), hint);
    EXPECT_TRUE(label.isVisible());
}

TEST(Render, faces_differByStyleAndColourSet)
{
    auto draw = [](FaceStyle style, ColourSet set) {
        FaceWidget face;
        face.setFaceStyle(style);
        face.setColourSet(set);
        face.resize(400, 168);
        return test::render(face);
    };
    const QImage radio = draw(FaceStyle::Radio, ColourSet::Full);
    EXPECT_NE(radio, draw(FaceStyle::Lcd, ColourSet::Full));
    EXPECT_NE(radio, draw(FaceStyle::Radio, ColourSet::Reduced));
}
