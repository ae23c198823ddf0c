// Writes the front panel at every display size, face and colour set as PNG files, in one
// fixed state (link on to the built-in simulated radio, a meter reading, BUSY lit), then the
// band scope and the memory manager as they open, so two builds of the panel can be compared
// pixel by pixel:  panel-shots OUTDIR
#include "app/FrontPanel.h"
#include "app/MainWindow.h"
#include "app/MenuBarBuilder.h"
#include "memmgr/MemoryManagerWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kSizes[] = {0, 1, 2}; // Small, Medium, Large items of the display menu
constexpr int kFaces[] = {4, 5};    // LCD, Radio
constexpr int kColours[] = {7, 8};  // full, reduced
const char *const kSizeNames[] = {"small", "medium", "large"};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A reading of S7 with the centring band, BUSY lit: the same on every shot.
void showReading(dorv::gui::MainWindow &window)
{
    dorv::PanelState &panel = window.radio().panel;
    panel.LMeter[0] = {0, 7, 0};
    panel.LMeter[1] = {2.25, 2.75, 0};
    panel.LMeter[2] = {0, 0, 7};
    panel.lblBusy.Visible = true;
    window.render();
}

bool save(QWidget *widget, const QDir &out, const QString &name)
{
    if (widget == nullptr || !widget->grab().save(out.filePath(name))) {
        std::fprintf(stderr, "panel-shots: cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

// The band scope and the memory manager, opened the way the user opens them: the SCOPE key
// and the first item of the Memory menu.
bool saveOtherWindows(dorv::gui::MainWindow &window, const QDir &out)
{
    window.frontPanel()->findChild<QAbstractButton *>(QStringLiteral("SCOPEbutton"))->click();
    settle();
    if (!save(window.findChild<QWidget *>(QStringLiteral("frmBandScope")), out,
              QStringLiteral("scope.png"))) {
        return false;
    }
    window.menus()->item(QStringLiteral("mnuMemoryArray"), 0)->trigger();
    settle();
    return save(window.memoryManager(), out, QStringLiteral("memory-manager.png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel-shots OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir data;
    dorv::gui::MainWindow window(data.path());
    window.host().setQuiet(true);
    window.show();
    dorv::Radio &radio = window.radio();
    radio.files.OpenBandDataFile();
    radio.link.mnuCommPortArray_Click(9);
    radio.power.CATbutton_Click();
    window.render();
    if (!radio.state.CatOn) {
        std::fprintf(stderr, "panel-shots: the link did not come on\n");
        return 1;
    }
    for (int size : kSizes) {
        for (int face : kFaces) {
            for (int colours : kColours) {
                radio.display.mnuResizeDisplayArray_Click(size);
                radio.display.mnuResizeDisplayArray_Click(face);
                radio.display.mnuResizeDisplayArray_Click(colours);
                settle();
                showReading(window);
                const QString name =
                    QStringLiteral("%1-%2-%3.png")
                        .arg(QLatin1String(kSizeNames[size]), face == 4 ? "lcd" : "radio",
                             colours == 7 ? "full" : "reduced");
                if (!save(window.frontPanel(), out, name)) {
                    return 1;
                }
            }
        }
    }
    if (!saveOtherWindows(window, out)) {
        return 1;
    }
    radio.power.CATbutton_Click();
    return 0;
}
