#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dorv::gui {

namespace {
constexpr int kWidth = 760;
constexpr int kHeight = 620;
} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("DORV FT-897 Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWidth, kHeight);
}

void HelpWindow::showFile(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser_->source().adjusted(QUrl::RemoveFragment) != url) {
        browser_->setSource(url);
    }
    show();
    raise();
    activateWindow();
}

} // namespace dorv::gui
