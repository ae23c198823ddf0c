#include "app/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorv::gui {

AboutDialog::AboutDialog(Radio &radio, QWidget *parent)
    : QDialog(parent), radio_(radio), what_(new QLabel(this)), version_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About DORV"));
    what_->setObjectName(QStringLiteral("lblWhat"));
    version_->setObjectName(QStringLiteral("lblVersion"));
    QFont big = what_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    what_->setFont(big);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::reject);

    auto *layout = new QVBoxLayout(this);
    // Room around the name, so the box is wide enough for its whole title bar.
    layout->setContentsMargins(40, 24, 40, 16);
    layout->setSpacing(10);
    layout->addWidget(what_, 0, Qt::AlignHCenter);
    layout->addWidget(version_, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // A fixed size: the window manager draws no resize handle along the bottom.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setModal(true);
}

// OK, Escape and the close box all hide the box through its OK handler.
void AboutDialog::reject()
{
    if (radio_.panel.frmAboutVisible) {
        radio_.app.btnOK_Click();
        emit acted();
    }
    QDialog::reject();
}

void AboutDialog::render()
{
    const PanelState &panel = radio_.panel;
    what_->setText(QString::fromStdString(panel.lblWhat));
    version_->setText(QString::fromStdString(panel.lblVersion));
    if (panel.frmAboutVisible && !isVisible()) {
        open();
    } else if (!panel.frmAboutVisible && isVisible()) {
        hide();
    }
}

} // namespace dorv::gui
