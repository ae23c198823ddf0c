#pragma once

#include "dialogs/SettingsDialogView.h"

#include <array>

class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace dorv::gui {

// frmRPTshift: the shift of each repeater band in MHz (29 MHz at the top, 430 MHz at the
// foot) and the On/Off pairs of the automatic shift. Every edit goes to the form at once;
// leaving a box reformats it through the core.
class RptShiftDialogView : public FormDialogView<RptShiftDialog> {
    Q_OBJECT
public:
    RptShiftDialogView(Radio &radio, QWidget *parent);

    void render() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QWidget *firstFocus() override;

private:
    QWidget *magnitudeFrame();
    QWidget *switchFrame();
    std::array<QRadioButton *, 2> addPair(QGridLayout *grid, int row, const char *band,
                                          const char *name, bool RptShiftForm::*field);

    std::array<QLineEdit *, kShiftRows> boxes_{};
    std::array<QRadioButton *, 2> ars144_{};
    std::array<QRadioButton *, 2> ars430_{};
};

} // namespace dorv::gui
