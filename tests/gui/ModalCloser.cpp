#include "ModalCloser.h"

#include <QAbstractButton>
#include <QApplication>

namespace dorv::gui::test {

ModalCloser::ModalCloser(QMessageBox::StandardButton answer) : answer_(answer)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(10);
}

void ModalCloser::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    seen.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
    if (QAbstractButton *button = box->button(answer_)) {
        button->click();
    } else {
        box->reject();
    }
}

} // namespace dorv::gui::test
