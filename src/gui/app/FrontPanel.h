#pragma once

#include "Radio.h"
#include "app/PanelWiring.h"
#include "widgets/RadioFacePainter.h"

#include <QHash>
#include <QWidget>

namespace dorv {
class FaceWidget;
class FaceButton;
class Knob;
class Led;
} // namespace dorv

namespace dorv::gui {

class DisplayPanelView;

// The radio's face: the display panel, the keys, the knobs and the LEDs, each placed in
// fractions of the face so the panel scales with the window. Input goes to the core
// handlers of the panel wiring; what it shows comes from the panel state only.
class FrontPanel : public QWidget {
    Q_OBJECT
public:
    explicit FrontPanel(Radio &radio, QWidget *parent = nullptr);

    void setFace(FaceStyle style, ColourSet colours);
    FaceStyle faceStyle() const { return style_; }
    ColourSet colourSet() const { return colours_; }

    // Redraws everything from the radio's panel state.
    void render();
    // Redraws only the meter and BUSY, what a status reading changes.
    void renderMeter();
    // Redraws the readouts' texts, the meter and BUSY: what a knob step changes.
    void renderReadouts();

signals:
    // A core handler ran; the window redraws from the panel state.
    void acted();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildKeys();
    void buildKnobs();
    Led *addLed(const QString &name, const QColor &color);
    void orderFocusChain();
    // Hands an event to the core as input (see CatLink::Input). When it runs, after a
    // sequence of frames perhaps, it reaches the handler only if takesInput still says its
    // control takes it; without takesInput (a release) it always does, so nothing stays held.
    void run(const RadioAction &handler,
             const std::function<bool(const PanelState &)> &takesInput = {});
    void placeControls();

    enum class KeyKind { Function, Mode, Band, Numbered };
    static KeyKind keyKind(const QString &name);
    void matchLegendSizes();

    Radio &radio_;
    FaceStyle style_ = FaceStyle::Radio;
    ColourSet colours_ = ColourSet::Full;
    FaceWidget *face_ = nullptr;
    DisplayPanelView *display_ = nullptr;
    QHash<QString, FaceButton *> keys_;
    QHash<QString, Knob *> knobs_;
    QHash<QString, Led *> leds_;
    QHash<QString, QWidget *> controls_; // all of the above: what the face places
};

} // namespace dorv::gui
