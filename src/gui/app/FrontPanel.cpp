#include "app/FrontPanel.h"

#include "app/DisplayPanelView.h"
#include "app/KeyTips.h"
#include "app/PanelLayout.h"
#include "app/PanelWiring.h"
#include "app/RgbColour.h"
#include "widgets/FaceButton.h"
#include "widgets/FaceWidget.h"
#include "widgets/Knob.h"
#include "widgets/Led.h"

#include <map>

namespace dorv::gui {

FrontPanel::FrontPanel(Radio &radio, QWidget *parent)
    : QWidget(parent), radio_(radio), face_(new FaceWidget(this))
{
    setObjectName(QStringLiteral("frontPanel"));
    face_->setObjectName(QStringLiteral("picFace"));
    face_->setFaceLayout(PanelLayout::face());
    display_ = new DisplayPanelView(face_);
    buildKeys();
    buildKnobs();
    addLed(QStringLiteral("LEDsub"), QColor(255, 150, 30));
    addLed(QStringLiteral("ledFAST"), QColor(60, 230, 60));
    addLed(QStringLiteral("ledLOCK"), QColor(255, 60, 40));
    orderFocusChain();
    setFace(FaceStyle::Radio, ColourSet::Full);
}

void FrontPanel::run(const RadioAction &handler,
                     const std::function<bool(const PanelState &)> &takesInput)
{
    if (!handler) {
        return;
    }
    radio_.link.Input([this, handler, takesInput] {
        if (!takesInput || takesInput(radio_.panel)) {
            handler(radio_);
        }
    });
    emit acted();
}

void FrontPanel::buildKeys()
{
    for (const ButtonWiring &wiring : panelButtons()) {
        auto *key = new FaceButton(QString(), face_);
        key->setObjectName(wiring.name);
        key->setToolTip(KeyTip(wiring.name));
        keys_.insert(wiring.name, key);
        controls_.insert(wiring.name, key);
        const auto enabled = [&wiring](const PanelState &panel) {
            return wiring.state(panel).Enabled;
        };
        connect(key, &FaceButton::clicked, this,
                [this, &wiring, enabled] { run(wiring.click, enabled); });
        connect(key, &FaceButton::pressed, this,
                [this, &wiring, enabled] { run(wiring.press, enabled); });
        connect(key, &FaceButton::released, this, [this, &wiring] { run(wiring.release); });
    }
}

void FrontPanel::buildKnobs()
{
    for (const KnobWiring &wiring : panelKnobs()) {
        auto *knob = new Knob(face_);
        knob->setObjectName(wiring.name);
        knob->setToolTip(KeyTip(wiring.name));
        if (wiring.number != 1)
            knob->setStepsPerTurn(24);
        knobs_.insert(wiring.name, knob);
        controls_.insert(wiring.name, knob);
        const auto enabled = [&wiring](const PanelState &panel) {
            return wiring.state(panel).Enabled;
        };
        connect(knob, &Knob::pressed, this,
                [this, &wiring, enabled] { run(wiring.press, enabled); });
        connect(knob, &Knob::released, this, [this, &wiring] { run(wiring.release); });
        connect(knob, &Knob::stepped, this, [this, &wiring, enabled](int direction) {
            if (wiring.step)
                run([&wiring, direction](Radio &radio) { wiring.step(radio, direction); }, enabled);
        });
    }
}

void FrontPanel::orderFocusChain()
{
    QWidget *previous = nullptr;
    for (const QString &name : PanelLayout::focusOrder(keys_.keys() + knobs_.keys())) {
        QWidget *control = controls_.value(name);
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
}

Led *FrontPanel::addLed(const QString &name, const QColor &color)
{
    auto *led = new Led(face_);
    led->setObjectName(name);
    led->setColor(color);
    leds_.insert(name, led);
    controls_.insert(name, led);
    return led;
}

void FrontPanel::setFace(FaceStyle style, ColourSet colours)
{
    style_ = style;
    colours_ = colours;
    face_->setFaceStyle(style);
    face_->setColourSet(colours);
    // The LCD face shows the display only.
    for (QWidget *control : std::as_const(controls_))
        control->setVisible(style == FaceStyle::Radio);
    placeControls();
    render();
}

void FrontPanel::render()
{
    const PanelState &panel = radio_.panel;
    bool relettered = false;
    for (const ButtonWiring &wiring : panelButtons()) {
        FaceButton *key = keys_.value(wiring.name);
        const ButtonState &state = wiring.state(panel);
        QString caption = QString::fromStdString(state.Caption);
        if (keyKind(wiring.name) == KeyKind::Mode)
            caption.remove(u' '); // the face prints "LSB", not letter-spaced
        const QString digit = PanelLayout::digitOf(wiring.name);
        // A numbered key carries its digit; its function is printed above it.
        const QString legend = digit.isEmpty() ? caption : digit;
        const QString upper = digit.isEmpty() ? QString() : caption;
        if (key->text() != legend || key->upperLegend() != upper) {
            key->setText(legend);
            key->setUpperLegend(upper);
            relettered = true;
        }
        key->setEnabled(state.Enabled);
    }
    if (relettered)
        matchLegendSizes();
    for (const KnobWiring &wiring : panelKnobs())
        knobs_.value(wiring.name)->setEnabled(wiring.state(panel).Enabled);
    leds_.value(QStringLiteral("LEDsub"))->setLit(panel.LEDsub);
    leds_.value(QStringLiteral("ledFAST"))->setLit(panel.ledFAST);
    leds_.value(QStringLiteral("ledLOCK"))->setLit(panel.ledLOCK);
    face_->setDisplayColor(toQColor(panel.DisplayPanelColour));
    display_->render(panel);
}

void FrontPanel::renderMeter()
{
    display_->renderMeter(radio_.panel);
}

void FrontPanel::renderReadouts()
{
    display_->renderReadouts(radio_.panel);
}

void FrontPanel::placeControls()
{
    face_->setGeometry(rect());
    display_->setGeometry(face_->displayRect());
    if (style_ != FaceStyle::Radio)
        return;
    const QRect area = face_->rect();
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it)
        it.value()->setGeometry(PanelLayout::place(PanelLayout::onFace(it.key()), area));
    matchLegendSizes();
}

FrontPanel::KeyKind FrontPanel::keyKind(const QString &name)
{
    if (name.startsWith(QLatin1String("ModeButton_")))
        return KeyKind::Mode;
    if (name.startsWith(QLatin1String("BandButton_")))
        return KeyKind::Band;
    return PanelLayout::digitOf(name).isEmpty() ? KeyKind::Function : KeyKind::Numbered;
}

// Keys of one kind print their legends at one size: the largest at which every key of the
// kind fits its own, so a long legend no longer stands smaller than its neighbours.
void FrontPanel::matchLegendSizes()
{
    struct Sizes {
        qreal legend = 0;
        qreal upper = 0; // 0: no key of the kind has an upper legend
    };
    std::map<KeyKind, Sizes> sizes;
    const auto smallest = [](qreal now, qreal size) { return now > 0 ? qMin(now, size) : size; };
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it) {
        Sizes &kind = sizes[keyKind(it.key())];
        kind.legend = smallest(kind.legend, it.value()->fittedLegendSize());
        if (!it.value()->upperLegend().isEmpty())
            kind.upper = smallest(kind.upper, it.value()->fittedUpperLegendSize());
    }
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it) {
        const Sizes &kind = sizes[keyKind(it.key())];
        it.value()->setLegendSizes(kind.legend, kind.upper);
    }
}

void FrontPanel::resizeEvent(QResizeEvent *)
{
    placeControls();
}

} // namespace dorv::gui
