#pragma once

#include "Radio.h"

#include <QDialog>

class QLabel;

namespace dorv::gui {

// frmAbout: the product name and version, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Radio &radio, QWidget *parent);

    void render();

signals:
    void acted();

public slots:
    void reject() override;

private:
    Radio &radio_;
    QLabel *what_;
    QLabel *version_;
};

} // namespace dorv::gui
