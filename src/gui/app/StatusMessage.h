#pragma once

#include <QLabel>

namespace dorv::gui {

// A warning in the status bar that is read whole at any window width: it wraps onto as
// many lines as the room beside the permanent fields needs, a device path breaking after
// its slashes, and the bar grows to hold them. Hidden while there is nothing to say.
class StatusMessage : public QLabel {
    Q_OBJECT
public:
    explicit StatusMessage(QWidget *parent = nullptr);

    void setMessage(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Asks the layout for the height the wrapped text needs at the present width.
    void fitHeight();

    QString message_;
};

} // namespace dorv::gui
