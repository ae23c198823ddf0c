#pragma once

#include "dialogs/SettingsDialogView.h"

class QButtonGroup;

namespace dorv::gui {

// frmCTCSS and frmDCS: one option button per tone or code in a grid that reads down the
// columns in ascending order. The arrow keys move between the options and select them.
class ToneDialogView : public SettingsDialogView {
    Q_OBJECT
public:
    ToneDialogView(Radio &radio, ToneDialog &dialog, const QString &name, int columns,
                   QWidget *parent);

    void render() override;

protected:
    bool formVisible() const override { return dialog_.form.Visible; }
    void save() override { dialog_.cmdSAVE_Click(); }
    void restoreDefaults() override { dialog_.cmdDEFAULT_Click(); }
    void cancel() override { dialog_.cmdCancel_Click(); }
    QWidget *firstFocus() override;

private:
    ToneDialog &dialog_;
    QButtonGroup *options_;
};

} // namespace dorv::gui
