#include "dialogs/RptShiftDialogView.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorv::gui {

namespace {
constexpr int kBoxCharacters = 7; // room for "20.00" and a little more
} // namespace

RptShiftDialogView::RptShiftDialogView(Radio &radio, QWidget *parent)
    : FormDialogView(radio, radio.dialogs.frmRPTshift, QStringLiteral("frmRPTshift"), parent)
{
    setWindowTitle(QStringLiteral("Repeater Shift"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(magnitudeFrame());
    layout->addWidget(switchFrame());
    addButtons(layout);
    // Tab runs down the boxes from the top, as they stand.
    for (int i = kShiftRows - 1; i > 0; --i) {
        setTabOrder(boxes_[i], boxes_[i - 1]);
    }
}

QWidget *RptShiftDialogView::magnitudeFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Repeater Shift Magnitude"), this);
    auto *grid = new QGridLayout(frame);
    for (int i = 0; i < kShiftRows; ++i) {
        const ShiftRow &row = ShiftRows()[i];
        const int at = kShiftRows - 1 - i; // 29 MHz at the top
        auto *box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("txtRPToffset_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                             (kBoxCharacters + 2));
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString &text) {
            dialog_.txtRPToffset_Change(i, text.toStdString());
        });
        auto *label = new QLabel(QString::fromLatin1(row.BandLabel), frame);
        label->setBuddy(box);
        grid->addWidget(label, at, 0);
        grid->addWidget(box, at, 1);
        grid->addWidget(new QLabel(QString::fromLatin1(row.RangeLabel), frame), at, 2);
        boxes_[i] = box;
    }
    return frame;
}

std::array<QRadioButton *, 2> RptShiftDialogView::addPair(QGridLayout *grid, int row,
                                                          const char *band, const char *name,
                                                          bool RptShiftForm::*field)
{
    auto *group = new QButtonGroup(this);
    std::array<QRadioButton *, 2> pair{};
    grid->addWidget(new QLabel(QString::fromLatin1(band)), row, 0);
    for (int k = 0; k < 2; ++k) {
        pair[k] = new QRadioButton(k == 0 ? QStringLiteral("On") : QStringLiteral("Off"));
        pair[k]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(k));
        group->addButton(pair[k], k);
        grid->addWidget(pair[k], row, k + 1);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this, field](int id) { dialog_.form.*field = id == 0; });
    return pair;
}

QWidget *RptShiftDialogView::switchFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Auto Repeater Shift"), this);
    auto *grid = new QGridLayout(frame);
    ars144_ = addPair(grid, 0, "144 MHz", "ssopt144", &RptShiftForm::ssopt144On);
    ars430_ = addPair(grid, 1, "430 MHz", "ssopt430", &RptShiftForm::ssopt430On);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget *RptShiftDialogView::firstFocus()
{
    return boxes_[kShiftRows - 1];
}

// Leaving a box reformats it, as the operator would see on any form of the program.
bool RptShiftDialogView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && dialog_.form.Visible) {
        for (int i = 0; i < kShiftRows; ++i) {
            if (watched == boxes_[i]) {
                dialog_.form.txtRPToffset[i] = boxes_[i]->text().toStdString();
                dialog_.txtRPToffset_LostFocus(i);
                render();
            }
        }
    }
    return SettingsDialogView::eventFilter(watched, event);
}

void RptShiftDialogView::render()
{
    RptShiftForm &form = dialog_.form;
    for (int i = 0; i < kShiftRows; ++i) {
        const QString text = QString::fromStdString(form.txtRPToffset[i]);
        if (boxes_[i]->text() != text) {
            boxes_[i]->setText(text);
        }
    }
    ars144_[form.ssopt144On ? 0 : 1]->setChecked(true);
    ars430_[form.ssopt430On ? 0 : 1]->setChecked(true);
    showAs(form.Visible);
    if (form.FocusBox >= 0 && form.FocusBox < kShiftRows) {
        boxes_[form.FocusBox]->setFocus(Qt::OtherFocusReason);
        boxes_[form.FocusBox]->selectAll();
        form.FocusBox = -1;
    }
}

} // namespace dorv::gui
