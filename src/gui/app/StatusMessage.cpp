#include "app/StatusMessage.h"

namespace dorv::gui {

StatusMessage::StatusMessage(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    hide();
}

void StatusMessage::setMessage(const QString &text)
{
    if (text == message_) {
        return;
    }
    message_ = text;
    // A path has no blanks to wrap at: it may break after each slash.
    QString shown = text;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    setText(shown);
    setVisible(!text.isEmpty());
    fitHeight();
}

void StatusMessage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void StatusMessage::fitHeight()
{
    const int needed = message_.isEmpty() ? 0 : heightForWidth(width());
    if (needed > 0 && needed != minimumHeight()) {
        setMinimumHeight(needed);
    }
}

} // namespace dorv::gui
