#include "dialogs/TuningStepsDialogView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace dorv::gui {

namespace {

const char *const kColumnLabels[] = {"SSB / CW / DIG", "AM", "FM / PKT"};
const char *const kGroupTitles[] = {"430 MHz - MEM / VFO CH", "144 MHz - MEM / VFO CH",
                                    "50 MHz - MEM / VFO CH", "HF - MEM / VFO CH"};

} // namespace

TuningStepsDialogView::TuningStepsDialogView(Radio &radio, QWidget *parent)
    : SettingsDialogView(radio, QStringLiteral("frmTuningSteps"), parent),
      dialog_(radio.dialogs.frmTuningSteps)
{
    setWindowTitle(QStringLiteral("Tuning Steps"));
    TuningStepsForm &form = dialog_.form;
    auto *grid = new QGridLayout;
    grid->addWidget(frame(QStringLiteral("MAIN DIAL"), QStringLiteral("VFObox_3,VFObox_4,VFObox_5"),
                          {&form.VFObox[0], &form.VFObox[1], &form.VFObox[2]},
                          {DialStepItems(), DialStepItems(), DialStepItems()}),
                    0, 0, 1, 2);
    for (int g = 0; g < kStepGroups; ++g) {
        const QString names = QStringLiteral("CHboxSSB_%1,CHboxAM_%1,CHboxFM_%1").arg(g);
        grid->addWidget(frame(QString::fromLatin1(kGroupTitles[g]), names,
                              {&form.CHboxSSB[g], &form.CHboxAM[g], &form.CHboxFM[g]},
                              {ChannelSsbItems(), ChannelAmItems(), ChannelFmItems()}),
                        1 + g / 2, g % 2);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    addButtons(layout);
}

QWidget *TuningStepsDialogView::frame(const QString &title, const QString &names,
                                      const std::array<int *, 3> &fields,
                                      const std::array<std::span<const StepItem>, 3> &items)
{
    auto *box = new QGroupBox(title, this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(14);
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
        grid->addWidget(label, 0, column);
        grid->addWidget(combo, 1, column);
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
