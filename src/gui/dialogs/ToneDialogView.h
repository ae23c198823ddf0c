#pragma once

#include "dialogs/SettingsDialogView.h"

class QButtonGroup;

namespace dorv::gui {

// frmCTCSS and frmDCS: one option button per tone or code in a grid that reads down the
// columns in ascending order. The arrow keys move between the options and select them.
class ToneDialogView : public FormDialogView<ToneDialog> {
    Q_OBJECT
public:
    ToneDialogView(Radio &radio, ToneDialog &dialog, const QString &name, int columns,
                   QWidget *parent);

    void render() override;

protected:
    QWidget *firstFocus() override;

private:
    QButtonGroup *options_;
};

} // namespace dorv::gui
