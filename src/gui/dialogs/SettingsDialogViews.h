#pragma once

#include "Radio.h"
#include "widgets/OnDemandWindow.h"

#include <QObject>
#include <vector>

class QWidget;

namespace dorv::gui {

class SettingsDialogView;

// The four dialogs of the Settings menu, each made the first time it opens, with the main
// window as its parent.
class SettingsDialogViews : public QObject {
    Q_OBJECT
public:
    SettingsDialogViews(Radio &radio, QWidget *window);

    void render();
    void hideAll();

signals:
    void acted();

private:
    // Adds a dialog shown while its core form is visible.
    template <typename Form> void add(const Form &form, std::function<SettingsDialogView *()> make);

    std::vector<OnDemandWindow<SettingsDialogView>> views_;
};

} // namespace dorv::gui
