#pragma once

#include "model/PanelState.h"

#include <QHash>
#include <QWidget>

namespace dorv {
class OnAirLamp;
class PanelLabel;
class SevenSegmentDisplay;
class SignalMeter;
} // namespace dorv

namespace dorv::gui {

// The contents of the LCD (DisplayPanel): the readouts, the legends and the meter, laid
// out in fractions of its own size. It is transparent: the face paints the display window
// behind it.
class DisplayPanelView : public QWidget {
    Q_OBJECT
public:
    explicit DisplayPanelView(QWidget *parent = nullptr);

    void render(const PanelState &panel);
    // Only what a status reading changes: the meter's indicators and BUSY.
    void renderMeter(const PanelState &panel);
    // The readouts' texts with the meter and BUSY.
    void renderReadouts(const PanelState &panel);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    PanelLabel *addLabel(const QString &name, const QString &caption);
    SevenSegmentDisplay *addReadout(const QString &name, int digits);
    void renderLabel(const QString &name, const LabelState &label);

    QHash<QString, QWidget *> items_;
    SevenSegmentDisplay *ledFreq_ = nullptr;
    SevenSegmentDisplay *ledSubFreq_ = nullptr;
    SevenSegmentDisplay *ledMRnumber_ = nullptr;
    SignalMeter *meter_ = nullptr;
    OnAirLamp *lamp_ = nullptr; // lblOnAir
};

} // namespace dorv::gui
