#include "app/HelpWindow.h"

#include "ModalCloser.h"
#include "app/MainWindow.h"
#include "app/MenuBarBuilder.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

// Help > Contents shows the help page in a window of the program; every entry of its
// contents list leads to its section.
TEST(HelpWindowTest, contents_opensTheHelpPageWhoseContentsLinksReachTheirSections)
{
    QTemporaryDir dir;
    MainWindow window(dir.path());
    test::ModalCloser closer;
    window.menus()->item("mnuHelpArray", 0)->trigger();
    EXPECT_TRUE(closer.seen.empty());
    auto *help = window.findChild<HelpWindow *>();
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_TRUE(help->isVisible());
    QTextBrowser *browser = help->browser();
    const QString html = browser->toHtml();
    ASSERT_TRUE(browser->toPlainText().contains("Getting started"));

    // The anchors the page defines.
    QStringList anchors;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            anchors << it.fragment().charFormat().anchorNames();
        }
    }
    const QStringList sections{"start", "panel", "keys", "menus", "files"};
    help->resize(600, 300);
    QApplication::processEvents();
    for (const QString &section : sections) {
        SCOPED_TRACE(section.toStdString());
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(section)));
        EXPECT_TRUE(anchors.contains(section)) << anchors.join(' ').toStdString();
    }
    // Following the last entry moves the page down to its section.
    browser->verticalScrollBar()->setValue(0);
    browser->scrollToAnchor("files");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
}

} // namespace
} // namespace dorv::gui
