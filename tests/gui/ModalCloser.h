#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

namespace dorv::gui::test {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// While alive, answers every modal message box that opens: records what it
// showed and presses the given button (Escape when the box has no such button).
class ModalCloser {
public:
    explicit ModalCloser(QMessageBox::StandardButton answer = QMessageBox::Ok);

    std::vector<SeenBox> seen;

private:
    void poll();

    QMessageBox::StandardButton answer_;
    QTimer timer_;
};

} // namespace dorv::gui::test
