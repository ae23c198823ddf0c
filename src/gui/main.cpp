#include "app/InfoOptions.h"
#include "app/MainWindow.h"
#include "app/StartupSplash.h"
#include "app/TerminationSignals.h"
#include "memmgr/CsvCommandLine.h"
#include "model/files/DataDirectory.h"
#include "net/NetServerControl.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <iostream>

namespace {

// Qt has taken its own options; whatever else is left must be ours. Empty when it is.
std::string leftoverOptionFault()
{
    std::vector<std::string> rest;
    for (const QString &arg : QApplication::arguments().mid(1)) {
        rest.push_back(arg.toStdString());
    }
    return dorv::gui::CommandLineFault(rest);
}

// An installed program keeps its data files in ~/.local/share/DORV/dorv-ft897; a copy
// of the program elsewhere keeps them beside itself when it may write there.
std::string dataDirectory()
{
    return dorv::ChooseDataDirectory(
        QApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}

// The splash stays up while the main window loads; the load shows the main window.
// It is destroyed once the load is over, so its window and its image of the screen go.
// A termination signal during the load closes the splash: the program then ends
// the orderly way without showing the panel. False when that happened.
bool loadBehindSplash(dorv::gui::MainWindow &window)
{
    bool terminated = false;
    dorv::gui::StartupSplash splash;
    window.radio().app.frmStartup_Load();
    splash.render(window.radio().panel);
    splash.show();
    splash.repaint();
    window.load([&] {
        terminated = !splash.isVisible();
        if (terminated) {
            return;
        }
        splash.hide();
        window.show();
        window.repaint();
    });
    return !terminated;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto status = dorv::gui::AnswerInfoOptions(argc, argv, std::cout)) {
        return *status;
    }
    // The CSV exchange runs without a window.
    if (const auto code = dorv::RunCsvCommand({argv + 1, argv + argc}, std::cerr)) {
        return *code;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dorv-ft897"));
    QApplication::setOrganizationName(QStringLiteral("DORV"));
    if (const std::string fault = leftoverOptionFault(); !fault.empty()) {
        std::cerr << "dorv-ft897: " << fault << " (--help lists the options)\n";
        return 2;
    }

    const std::string dataDir = dataDirectory();
    dorv::gui::TerminationSignals termination;
    dorv::gui::MainWindow window(QString::fromStdString(dataDir));
    QStringList arguments = QApplication::arguments();
    QString argumentError;
    if (!window.netServer()->takeCommandLine(arguments, argumentError)) {
        std::fprintf(stderr, "%s\n", qPrintable(argumentError));
        return 2;
    }
    QObject::connect(&termination, &dorv::gui::TerminationSignals::terminating, &window,
                     [&window] { window.host().setQuiet(true); });

    // Clients may connect while the program loads; its sets are refused until the link is on.
    window.netServer()->start();

    if (!loadBehindSplash(window)) {
        window.radio().app.EndDORV();
        return 0;
    }
    return QApplication::exec();
}
