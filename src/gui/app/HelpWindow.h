#pragma once

#include <QWidget>

class QTextBrowser;

namespace dorv::gui {

// The help text in a window of the program: a browser whose contents list and links move
// within the page, and whose outside links go to the desktop's browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Loads the page (when it is not the one shown) and brings the window up.
    void showFile(const QString &path);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_ = nullptr;
};

} // namespace dorv::gui
