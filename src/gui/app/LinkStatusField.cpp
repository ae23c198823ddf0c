#include "app/LinkStatusField.h"

#include "Radio.h"
#include "cat/LinkStatus.h"

namespace dorv::gui {

LinkStatusField::LinkStatusField(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblLinkStatus"));
}

void LinkStatusField::render(Radio &radio, const QString &device)
{
    radio.panel.LinkStatus = LinkStatusText(radio.state, device.toStdString());
    const QString text = QString::fromStdString(radio.panel.LinkStatus);
    if (text != this->text()) {
        setText(text);
    }
}

} // namespace dorv::gui
