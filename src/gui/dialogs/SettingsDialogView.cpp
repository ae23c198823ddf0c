#include "dialogs/SettingsDialogView.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace dorv::gui {

SettingsDialogView::SettingsDialogView(Radio &radio, const QString &name, QWidget *parent)
    : QDialog(parent), radio_(radio)
{
    setObjectName(name);
    setModal(true);
}

void SettingsDialogView::addButtons(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto add = [&](const char *caption, const char *name) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        row->addWidget(button);
        return button;
    };
    QPushButton *saveButton = add("SAVE", "cmdSAVE");
    QPushButton *defaultButton = add("DEFAULT", "cmdDEFAULT");
    QPushButton *cancelButton = add("CANCEL", "cmdCANCEL");
    row->addStretch();
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, [this] { act([this] { save(); }); });
    connect(defaultButton, &QPushButton::clicked, this,
            [this] { act([this] { restoreDefaults(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialogView::reject);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The dialog's buttons are input: during a sequence of frames they act after it.
void SettingsDialogView::act(const std::function<void()> &handler)
{
    radio_.link.Input([this, handler] {
        handler();
        emit acted();
    });
}

// CANCEL, Escape and the close box all cancel through the core.
void SettingsDialogView::reject()
{
    if (formVisible()) {
        act([this] { cancel(); });
    }
    QDialog::reject();
}

void SettingsDialogView::showAs(bool visible)
{
    if (visible && !isVisible()) {
        adjustSize();
        centre();
        open();
        if (QWidget *first = firstFocus()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    } else if (!visible && isVisible()) {
        hide();
    }
}

// The middle of the screen the main window is on, inside what the desktop leaves free.
void SettingsDialogView::centre()
{
    const QWidget *owner = parentWidget() != nullptr ? parentWidget()->window() : this;
    const QScreen *screen = owner->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    // A dialog taller or wider than the free area keeps its title bar and left edge on it.
    move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

} // namespace dorv::gui
