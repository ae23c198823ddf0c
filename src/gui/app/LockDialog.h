#pragma once

#include "Radio.h"

#include <QDialog>

class QLineEdit;

namespace dorv::gui {

// frmLockUnLock: the password box of the menu lock. The core decides; the dialog hands it
// the typed text, shows itself while the core wants it shown, and selects the text when
// the core refuses the password.
class LockDialog : public QDialog {
    Q_OBJECT
public:
    LockDialog(Radio &radio, QWidget *parent);

    void render();

signals:
    void acted();

public slots:
    void reject() override;

private:
    void ok();

    Radio &radio_;
    QLineEdit *password_;
};

} // namespace dorv::gui
