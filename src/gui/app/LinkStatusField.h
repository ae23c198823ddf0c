#pragma once

#include <QLabel>

namespace dorv {
class Radio;
}

namespace dorv::gui {

// The status bar's permanent field at its right end: the device of the port in use, the
// CAT rate and the link state, always shown beside the bar's messages.
class LinkStatusField : public QLabel {
    Q_OBJECT
public:
    explicit LinkStatusField(QWidget *parent = nullptr);

    // Shows the radio's link on `device` and stores the text in its panel state.
    void render(Radio &radio, const QString &device);
};

} // namespace dorv::gui
