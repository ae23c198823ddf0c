#pragma once

#include "model/PanelState.h"

#include <QWidget>

class QLabel;

namespace dorv::gui {

// frmStartup: the splash shown, centred on the screen, while the main window loads.
class StartupSplash : public QWidget {
    Q_OBJECT
public:
    explicit StartupSplash(QWidget *parent = nullptr);

    // Takes lblWhat and lblVersion from the panel state and centres itself.
    void render(const PanelState &panel);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *what_;
    QLabel *version_;
};

} // namespace dorv::gui
