#pragma once

#include "dialogs/SettingsDialogView.h"

#include <QVector>
#include <span>

class QComboBox;

namespace dorv::gui {

// frmTuningSteps: the MAIN DIAL frame and the four band groups' frames, each with one
// combo box per group of modes. Picking an item (mouse or keys) writes its index to the form.
class TuningStepsDialogView : public FormDialogView<TuningStepsDialog> {
    Q_OBJECT
public:
    TuningStepsDialogView(Radio &radio, QWidget *parent);

    void render() override;

protected:
    QWidget *firstFocus() override;

private:
    struct Box {
        QComboBox *combo;
        int *index; // the form's field this box shows
    };
    QWidget *frame(const QString &title, const QString &names, const std::array<int *, 3> &fields,
                   const std::array<std::span<const StepItem>, 3> &items);

    QVector<Box> boxes_;
};

} // namespace dorv::gui
