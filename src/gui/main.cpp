#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "model/files/DataDirectory.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dorv-ft897"));
    QApplication::setOrganizationName(QStringLiteral("DORV"));

    // The data files sit beside the program when it may write there, so a copy
    // of the program in any directory keeps its own files.
    const std::string dataDir = dorv::ChooseDataDirectory(
        QApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());

    dorv::gui::TerminationSignals termination;
    dorv::gui::MainWindow window(QString::fromStdString(dataDir));
    window.show();
    return QApplication::exec();
}
