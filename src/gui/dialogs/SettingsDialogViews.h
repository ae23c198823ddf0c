#pragma once

#include "Radio.h"

#include <QObject>
#include <QVector>

class QWidget;

namespace dorv::gui {

class SettingsDialogView;

// The four dialogs of the Settings menu, made once with the main window as their parent.
class SettingsDialogViews : public QObject {
    Q_OBJECT
public:
    SettingsDialogViews(Radio &radio, QWidget *window);

    void render();
    void hideAll();

signals:
    void acted();

private:
    QVector<SettingsDialogView *> views_;
};

} // namespace dorv::gui
