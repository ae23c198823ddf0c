#include "Gallery.h"

#include "widgets/FaceButton.h"
#include "widgets/FaceWidget.h"
#include "widgets/Knob.h"
#include "widgets/Led.h"
#include "widgets/PanelLabel.h"
#include "widgets/SevenSegmentDisplay.h"
#include "widgets/SignalMeter.h"

namespace dorv {

namespace {

QRect place(QRectF fraction, const QRect &in)
{
    return QRectF(in.left() + fraction.left() * in.width(), in.top() + fraction.top() * in.height(),
                  fraction.width() * in.width(), fraction.height() * in.height())
        .toAlignedRect();
}

} // namespace

Gallery::Gallery(FaceStyle style, ColourSet set, QWidget *parent)
    : QWidget(parent), face_(new FaceWidget(this))
{
    FaceLayout layout;
    layout.knobWells = {
        {0.785, 0.08, 0.19, 0.475}, {0.03, 0.60, 0.09, 0.225}, {0.875, 0.64, 0.09, 0.225}};
    face_->setFaceLayout(layout);
    face_->setFaceStyle(style);
    face_->setColourSet(set);
    face_->setDisplayColor(FaceColors::displayLit(set));
    buildDisplay(set);
    if (style == FaceStyle::Radio)
        buildControls();
}

void Gallery::onDisplay(QWidget *widget, QRectF fraction)
{
    widget->setParent(face_);
    displayItems_.append({widget, fraction});
}

void Gallery::onFace(QWidget *widget, QRectF fraction)
{
    widget->setParent(face_);
    faceItems_.append({widget, fraction});
}

void Gallery::buildDisplay(ColourSet set)
{
    const QColor lcd = FaceColors::displayLit(set);
    const QColor unlit = lcd.darker(110);
    const QColor ink(18, 22, 26);
    auto readout = [&](int digits, const QString &text) {
        auto *display = new SevenSegmentDisplay(digits);
        display->setBackgroundColor(Qt::transparent);
        display->setSegmentColor(ink);
        display->setUnlitColor(unlit);
        display->setText(text);
        return display;
    };
    auto label = [&](const QString &text, bool shown = true) {
        auto *l = new PanelLabel(text);
        l->setColor(ink);
        l->setShown(shown);
        return l;
    };

    auto *meter = new SignalMeter;
    meter->setBackgroundColor(Qt::transparent);
    meter->setUnlitColor(unlit);
    meter->setIndicator(0, true, 0, 9, 0);
    meter->setIndicator(1, true, 2.25, 2.75, 0);
    meter->setIndicator(2, true, 0, 0, 11);
    onDisplay(meter, {0.02, 0.03, 0.60, 0.30});

    const QStringList modes{"LSB", "USB", "CW", "CW-R", "AM", "FM", "DIG", "PKT"};
    for (int i = 0; i < modes.size(); ++i) {
        onDisplay(label(modes[i], i == 5),
                  {0.645 + (i % 4) * 0.088, 0.04 + (i / 4) * 0.11, 0.088, 0.10});
    }
    onDisplay(label("ENC"), {0.645, 0.27, 0.09, 0.09});
    onDisplay(label("DEC"), {0.735, 0.27, 0.09, 0.09});
    onDisplay(label("DCS", false), {0.825, 0.27, 0.09, 0.09});

    onDisplay(readout(3, "007"), {0.02, 0.40, 0.13, 0.22});
    onDisplay(label("CH"), {0.02, 0.62, 0.13, 0.09});
    auto *plus = label(QString());
    plus->setArrow(Qt::UpArrow);
    onDisplay(plus, {0.165, 0.42, 0.04, 0.08});
    onDisplay(readout(8, "145.230.00"), {0.20, 0.35, 0.78, 0.40});

    onDisplay(label("BUSY"), {0.02, 0.80, 0.10, 0.10});
    onDisplay(label("TX", false), {0.12, 0.80, 0.06, 0.10});
    onDisplay(label("SPLIT"), {0.18, 0.80, 0.10, 0.10});
    onDisplay(label("CLAR", false), {0.28, 0.80, 0.09, 0.10});
    onDisplay(label("MT"), {0.37, 0.80, 0.06, 0.10});
    onDisplay(readout(8, "144.200.00"), {0.52, 0.76, 0.46, 0.22});
    auto *subMode = label("USB");
    onDisplay(subMode, {0.43, 0.80, 0.08, 0.10});
}

void Gallery::buildControls()
{
    auto *mainKnob = new Knob;
    onFace(mainKnob, {0.785, 0.08, 0.19, 0.475});
    auto *clarKnob = new Knob;
    clarKnob->setStepsPerTurn(24);
    onFace(clarKnob, {0.03, 0.60, 0.09, 0.225});
    auto *channelKnob = new Knob;
    channelKnob->setStepsPerTurn(24);
    channelKnob->setEnabled(false);
    onFace(channelKnob, {0.875, 0.64, 0.09, 0.225});

    auto *power = new FaceButton("POWER");
    onFace(power, {0.035, 0.48, 0.08, 0.08});
    auto *sub = new Led;
    sub->setColor(QColor(255, 150, 30));
    sub->setLit(true);
    onFace(sub, {0.135, 0.50, 0.02, 0.05});
    auto *subLegend = new PanelLabel("SUB");
    subLegend->setColor(QColor(200, 200, 200));
    onFace(subLegend, {0.155, 0.50, 0.05, 0.05});

    const QStringList upper{"RPT", "REV",  "TONE", "T SET", "DOP",
                            "PMS", "SCAN", "PRI",  "HOME",  "MHz UP"};
    for (int i = 0; i < 10; ++i) {
        auto *key = new FaceButton(QString::number((i + 1) % 10));
        key->setUpperLegend(upper[i]);
        onFace(key, {0.135 + i * 0.0645, 0.63, 0.058, 0.15});
    }
    const QStringList modes{"L S B", "U S B", "C W", "C W R", "A M", "F M", "D I G", "P K T"};
    for (int i = 0; i < modes.size(); ++i) {
        auto *key = new FaceButton(modes[i]);
        key->setEnabled(i != 7);
        onFace(key, {0.135 + i * 0.0806, 0.82, 0.072, 0.09});
    }
    auto *fast = new FaceButton("FAST");
    onFace(fast, {0.80, 0.86, 0.07, 0.09});
    auto *fastLed = new Led;
    fastLed->setColor(QColor(60, 230, 60));
    onFace(fastLed, {0.875, 0.875, 0.018, 0.05});
    auto *lock = new FaceButton("LOCK");
    onFace(lock, {0.90, 0.86, 0.07, 0.09});
}

void Gallery::resizeEvent(QResizeEvent *)
{
    face_->setGeometry(rect());
    const QRect display = face_->displayRect();
    for (const auto &[widget, fraction] : displayItems_)
        widget->setGeometry(place(fraction, display));
    for (const auto &[widget, fraction] : faceItems_)
        widget->setGeometry(place(fraction, face_->rect()));
}

} // namespace dorv
