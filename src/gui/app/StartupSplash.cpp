#include "app/StartupSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace dorv::gui {

StartupSplash::StartupSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), what_(new QLabel(this)),
      version_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmStartup"));
    what_->setObjectName(QStringLiteral("lblWhat"));
    version_->setObjectName(QStringLiteral("lblVersion"));
    QFont big = what_->font();
    big.setPixelSize(34);
    big.setBold(true);
    what_->setFont(big);
    QPalette light = palette();
    light.setColor(QPalette::WindowText, QColor(236, 236, 230));
    what_->setPalette(light);
    version_->setPalette(light);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(what_, 0, Qt::AlignHCenter);
    layout->addWidget(version_, 0, Qt::AlignHCenter);
    setFixedSize(400, 160);
}

void StartupSplash::render(const PanelState &panel)
{
    what_->setText(QString::fromStdString(panel.lblWhat));
    version_->setText(QString::fromStdString(panel.lblVersion));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void StartupSplash::paintEvent(QPaintEvent *)
{
    // The radio's dark face with the display's blue along the bottom.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 42, 46));
    painter.fillRect(QRect(0, height() - 8, width(), 8), QColor(0, 200, 240));
}

} // namespace dorv::gui
