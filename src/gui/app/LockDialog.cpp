#include "app/LockDialog.h"

#include "app/MenuLock.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorv::gui {

LockDialog::LockDialog(Radio &radio, QWidget *parent)
    : QDialog(parent), radio_(radio), password_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmLockUnLock"));
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(MenuLock::kMaxPassword);
    // Each typed character shows as "*".
    password_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    auto *label = new QLabel(QStringLiteral("&Password:"), this);
    label->setBuddy(password_);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &LockDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &LockDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(label, password_);
    form->addRow(buttons);
    // A fixed size: the window manager draws no resize handle along the bottom.
    form->setSizeConstraint(QLayout::SetFixedSize);
    setModal(true);
}

void LockDialog::ok()
{
    radio_.panel.frmLockUnLock.txtPassword = password_->text().toStdString();
    radio_.lock.cmdOK_Click();
    emit acted();
}

// Cancel, Escape and the close box all cancel.
void LockDialog::reject()
{
    if (radio_.panel.frmLockUnLock.Visible) {
        radio_.lock.cmdCancel_Click();
        emit acted();
    }
    QDialog::reject();
}

void LockDialog::render()
{
    LockDialogState &state = radio_.panel.frmLockUnLock;
    setWindowTitle(QString::fromStdString(state.Caption));
    const QString text = QString::fromStdString(state.txtPassword);
    if (password_->text() != text) {
        password_->setText(text);
    }
    if (state.Visible && !isVisible()) {
        open();
    } else if (!state.Visible && isVisible()) {
        hide();
    }
    if (state.PasswordSelected) {
        state.PasswordSelected = false;
        password_->setFocus();
        password_->selectAll();
    }
}

} // namespace dorv::gui
