#pragma once

#include "Radio.h"

#include <QString>
#include <QVector>
#include <functional>

namespace dorv::gui {

using RadioAction = std::function<void(Radio &)>;

// One key of the panel: its name (the widget's objectName), where the panel state keeps
// its caption and Enabled flag, and the core handlers its events call. An empty handler
// leaves that event without effect.
struct ButtonWiring {
    QString name;
    std::function<const ButtonState &(const PanelState &)> state;
    RadioAction click;
    RadioAction press;   // mouse button down on the key
    RadioAction release; // mouse button up
};

// One knob: press and release frame a run of steps of +1 or -1.
struct KnobWiring {
    QString name;
    int number = 0; // 1 main dial, 2 clarifier, 3 channel
    std::function<const KnobState &(const PanelState &)> state;
    RadioAction press;
    RadioAction release;
    std::function<void(Radio &, int)> step;
};

// The keyboard: a key code and the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
struct KeyboardWiring {
    std::function<void(Radio &, int, int)> down;
    std::function<void(Radio &, int, int)> up;
};

// The wiring of every key and knob of the panel to the core, in one place.
const QVector<ButtonWiring> &panelButtons();
const QVector<KnobWiring> &panelKnobs();
const KeyboardWiring &panelKeyboard();

} // namespace dorv::gui
