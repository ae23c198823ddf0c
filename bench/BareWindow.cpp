// The benchmark's baseline: a plain Qt widgets window of the panel's size that does
// nothing, started the same way as the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setCentralWidget(new QLabel(QStringLiteral("baseline")));
    window.statusBar()->showMessage(QStringLiteral("ready"));
    window.resize(800, 360);
    window.show();
    return QApplication::exec();
}
