#include "dialogs/TuningStepsDialogView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace dorv::gui {

namespace {

const char *const kColumnLabels[] = {"SSB / CW / DIG", "AM", "FM / PKT"};
const char *const kGroupTitles[] = {"430 MHz - MEM / VFO CH", "144 MHz - MEM / VFO CH",
                                    "50 MHz - MEM / VFO CH", "HF - MEM / VFO CH"};

} // namespace

TuningStepsDialogView::TuningStepsDialogView(Radio &radio, QWidget *parent)
    : FormDialogView(radio, radio.dialogs.frmTuningSteps, QStringLiteral("frmTuningSteps"), parent)
{
    setWindowTitle(QStringLiteral("Tuning Steps"));
    TuningStepsForm &form = dialog_.form;
    // One frame a row, so the dialog fits a 640 x 480 screen.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame(QStringLiteral("MAIN DIAL"),
                            QStringLiteral("VFObox_3,VFObox_4,VFObox_5"),
                            {&form.VFObox[0], &form.VFObox[1], &form.VFObox[2]},
                            {DialStepItems(), DialStepItems(), DialStepItems()}));
    for (int g = 0; g < kStepGroups; ++g) {
        const QString names = QStringLiteral("CHboxSSB_%1,CHboxAM_%1,CHboxFM_%1").arg(g);
        layout->addWidget(frame(QString::fromLatin1(kGroupTitles[g]), names,
                                {&form.CHboxSSB[g], &form.CHboxAM[g], &form.CHboxFM[g]},
                                {ChannelSsbItems(), ChannelAmItems(), ChannelFmItems()}));
    }
    // Every box as wide as the widest, so the columns line up from frame to frame.
    int width = 0;
    for (const Box &box : std::as_const(boxes_)) {
        width = std::max(width, box.combo->sizeHint().width());
    }
    for (const Box &box : std::as_const(boxes_)) {
        box.combo->setMinimumWidth(width);
    }
    addButtons(layout);
}

QWidget *TuningStepsDialogView::frame(const QString &title, const QString &names,
                                      const std::array<int *, 3> &fields,
                                      const std::array<std::span<const StepItem>, 3> &items)
{
    auto *box = new QGroupBox(title, this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    const QStringList objectNames = names.split(QLatin1Char(','));
    for (int column = 0; column < 3; ++column) {
        auto *combo = new QComboBox(box);
        combo->setObjectName(objectNames[column]);
        for (const StepItem &item : items[column]) {
            combo->addItem(QString::fromLatin1(item.Caption));
        }
        int *field = fields[column];
        connect(combo, &QComboBox::activated, this, [field](int index) { *field = index; });
        auto *label = new QLabel(QString::fromLatin1(kColumnLabels[column]), box);
        label->setBuddy(combo);
        grid->addWidget(label, 0, 2 * column);
        grid->addWidget(combo, 0, 2 * column + 1);
        label->setContentsMargins(column > 0 ? 12 : 0, 0, 0, 0); // a gap after the box before
        boxes_.append({combo, field});
    }
    return box;
}

QWidget *TuningStepsDialogView::firstFocus()
{
    return boxes_.front().combo;
}

void TuningStepsDialogView::render()
{
    for (const Box &box : std::as_const(boxes_)) {
        if (box.combo->currentIndex() != *box.index) {
            box.combo->setCurrentIndex(*box.index);
        }
    }
    showAs(dialog_.form.Visible);
}

} // namespace dorv::gui
