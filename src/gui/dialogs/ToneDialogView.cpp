#include "dialogs/ToneDialogView.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorv::gui {

ToneDialogView::ToneDialogView(Radio &radio, ToneDialog &dialog, const QString &name, int columns,
                               QWidget *parent)
    : FormDialogView(radio, dialog, name, parent), options_(new QButtonGroup(this))
{
    auto *frame = new QGroupBox(QString::fromLatin1(dialog.FrameCaption()), this);
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    const int count = static_cast<int>(dialog.Options().size());
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto *option = new QRadioButton(QString::fromStdString(dialog.Options()[i]), frame);
        option->setObjectName(QStringLiteral("optCTCSS_%1").arg(i));
        options_->addButton(option, i);
        grid->addWidget(option, i % rows, i / rows);
    }
    connect(options_, &QButtonGroup::idClicked, this,
            [this](int index) { dialog_.optCTCSS_Click(index); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    addButtons(layout);
}

QWidget *ToneDialogView::firstFocus()
{
    QAbstractButton *checked = options_->checkedButton();
    return checked != nullptr ? checked : options_->button(0);
}

void ToneDialogView::render()
{
    const ToneDialogForm &form = dialog_.form;
    setWindowTitle(QString::fromStdString(form.Caption));
    if (options_->checkedId() != form.Selected) {
        if (QAbstractButton *option = options_->button(form.Selected)) {
            option->setChecked(true);
        } else if (QAbstractButton *checked = options_->checkedButton()) {
            // An exclusive group keeps one checked; nothing selected needs it open a moment.
            options_->setExclusive(false);
            checked->setChecked(false);
            options_->setExclusive(true);
        }
    }
    showAs(form.Visible);
}

} // namespace dorv::gui
