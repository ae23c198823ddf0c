// The benchmark's baseline: a plain Qt widgets main window that does nothing, with a menu
// bar and a status bar as the panel has, started the same way as the program:
//   bare-qt-window [WIDTHxHEIGHT [TICK_MS]]
// The benchmark gives it the panel's size, so both hold the same image of the window. With
// TICK_MS it also runs a precise timer that does nothing every TICK_MS: what one wake-up
// of a Qt program's event loop costs, with no work of its own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("baseline")));
    window.statusBar()->showMessage(QStringLiteral("ready"));
    const QStringList size = QApplication::arguments().value(1).split(QLatin1Char('x'));
    const int width = size.value(0).toInt(), height = size.value(1).toInt();
    window.resize(width > 0 ? width : 800, height > 0 ? height : 360);
    window.show();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    const int tickMs = QApplication::arguments().value(2).toInt();
    if (tickMs > 0) {
        tick.start(tickMs);
    }
    return QApplication::exec();
}
