#include "ModalCloser.h"
#include "app/MainWindow.h"
#include "cat/CatFrame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#ifdef FT897_SIM_PATH

namespace dorv::gui {
namespace {

using test::ModalCloser;

enum SettingsItem { TuningSteps = 8, RepeaterShifts = 9, CtcssTones = 11, DcsCodes = 12 };

template <typename Predicate> bool waitFor(Predicate done, int timeoutMs = 8000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

std::int32_t I32(const QByteArray &bytes, int offset)
{
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + k]);
    }
    return static_cast<std::int32_t>(value);
}

std::int16_t I16(const QByteArray &bytes, int offset)
{
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                     static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

// The program in a fresh data directory, with serial port 1 on the simulated radio program,
// whose frame log the tests read.
class SettingsDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile ports(dir.filePath("ports.conf"));
        ASSERT_TRUE(ports.open(QIODevice::WriteOnly));
        ports.write(QStringLiteral("1=%1\n").arg(dir.filePath("radio")).toUtf8());
        ports.close();
        sim.start(FT897_SIM_PATH, {"--link", dir.filePath("radio"), "--log", logPath()});
        ASSERT_TRUE(sim.waitForStarted(5000));
        ASSERT_TRUE(waitFor([this] { return QFile::exists(dir.filePath("radio")); }));
        start();
        trigger("mnuCommPortArray_1");
        ASSERT_TRUE(window->radio().state.PortReady);
        closer.seen.clear(); // the start-up's notes on the missing data files
    }

    void TearDown() override
    {
        window.reset();
        sim.terminate();
        sim.waitForFinished(5000);
    }

    void start()
    {
        window = std::make_unique<MainWindow>(dir.path());
        window->load([this] { window->show(); });
    }

    QString logPath() const { return dir.filePath("sim.log"); }
    bool logHas(const QString &frame) const
    {
        QFile log(logPath());
        return log.open(QIODevice::ReadOnly) && log.readAll().contains(("RX " + frame).toLatin1());
    }

    void trigger(const QString &name)
    {
        QAction *action = window->findChild<QAction *>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        action->trigger();
    }

    // Opens a dialog from the Settings menu and waits until it is the active window.
    QDialog *open(int item, const char *name)
    {
        trigger(QStringLiteral("mnuSettingsArray_%1").arg(item));
        auto *dialog = window->findChild<QDialog *>(QLatin1String(name));
        EXPECT_NE(dialog, nullptr) << name;
        if (dialog != nullptr) {
            EXPECT_TRUE(dialog->isVisible()) << name;
            holdsKeyboard(dialog);
        }
        return dialog;
    }

    // The offscreen platform may still deliver the main window's activation from the dialog
    // before: settle, then ask for the keyboard until the dialog holds it.
    static bool holdsKeyboard(QDialog *dialog)
    {
        QTest::qWait(50);
        for (int i = 0; i < 200 && QApplication::activeWindow() != dialog; ++i) {
            dialog->activateWindow();
            QTest::qWait(25);
        }
        return QApplication::activeWindow() == dialog;
    }

    template <typename T> T *child(QDialog *dialog, const QString &name) const
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QTemporaryDir dir;
    QProcess sim;
    ModalCloser closer;
    std::unique_ptr<MainWindow> window;
};

// CTCSS by mouse, DCS by keyboard: each frame reaches the radio at SAVE.
TEST_F(SettingsDialogsTest, toneAndCodeDialogs_sendTheChoiceToTheRadio)
{
    Radio &radio = window->radio();
    QDialog *ctcss = open(CtcssTones, "frmCTCSS");
    ASSERT_NE(ctcss, nullptr);
    EXPECT_EQ(ctcss->windowTitle(), "CTCSS Tone (MAIN VFO)");
    EXPECT_TRUE(ctcss->isModal());
    EXPECT_EQ(ctcss->parentWidget(), window.get());
    QTest::mouseClick(child<QRadioButton>(ctcss, "optCTCSS_12"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(ctcss, "cmdSAVE"), Qt::LeftButton);
    EXPECT_FALSE(ctcss->isVisible());
    EXPECT_EQ(radio.state.MainVfo.CtcssTone, 12);
    EXPECT_TRUE(waitFor([this] { return logHas("10 00 10 00 0B"); })) << "100.0 Hz";

    QDialog *dcs = open(DcsCodes, "frmDCS");
    ASSERT_NE(dcs, nullptr);
    ASSERT_TRUE(holdsKeyboard(dcs));
    const int before = radio.state.MainVfo.DcsCode;
    auto *selected = child<QRadioButton>(dcs, QStringLiteral("optCTCSS_%1").arg(before));
    ASSERT_TRUE(selected->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), selected);
    // Right moves a column along: 13 codes on.
    QTest::keyClick(selected, Qt::Key_Right);
    const int chosen = before + 13;
    auto *next = child<QRadioButton>(dcs, QStringLiteral("optCTCSS_%1").arg(chosen));
    EXPECT_TRUE(next->isChecked());
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_FALSE(dcs->isVisible());
    EXPECT_EQ(radio.state.MainVfo.DcsCode, chosen);
    const QString code = next->text(); // "131": sent as 01 31
    const QString frame = QStringLiteral("0%1 %2 0%1 %2 0C").arg(code.left(1), code.mid(1));
    EXPECT_TRUE(waitFor([&] { return logHas(frame); })) << frame.toStdString();

    // Escape cancels and sends nothing.
    dcs = open(DcsCodes, "frmDCS");
    QTest::mouseClick(child<QRadioButton>(dcs, "optCTCSS_30"), Qt::LeftButton);
    QTest::keyClick(dcs, Qt::Key_Escape);
    EXPECT_FALSE(dcs->isVisible());
    EXPECT_EQ(radio.state.MainVfo.DcsCode, chosen);
    EXPECT_FALSE(waitFor([this] { return logHas("01 65 01 65 0C"); }, 300)) << "code 165";
}

TEST_F(SettingsDialogsTest, shiftDialog_refusesABadTextAndGivesItsBoxTheFocus)
{
    QDialog *shift = open(RepeaterShifts, "frmRPTshift");
    ASSERT_NE(shift, nullptr);
    auto *box29 = child<QLineEdit>(shift, "txtRPToffset_3");
    EXPECT_EQ(QApplication::focusWidget(), box29);
    const BandRecord bands = window->radio().state.BandTable;
    box29->selectAll();
    QTest::keyClicks(box29, "2.5");
    QTest::keyClick(box29, Qt::Key_Tab); // on to the 50 MHz box
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(shift, "txtRPToffset_2"));
    EXPECT_EQ(box29->text(), "2.50");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_TRUE(closer.seen[0].text.contains("29 MHz")) << closer.seen[0].text.toStdString();
    EXPECT_TRUE(closer.seen[0].text.contains("( 0 - 1.70 MHz )"));
    EXPECT_TRUE(shift->isVisible());
    EXPECT_EQ(shift->focusWidget(), box29);
    EXPECT_EQ(box29->selectedText(), "2.50");
    EXPECT_EQ(window->radio().state.BandTable, bands);
    QTest::keyClick(box29, Qt::Key_Escape);
    EXPECT_FALSE(shift->isVisible());
}

// A mouse click on SAVE takes the focus from the box first, which reformats it to two
// decimals; what is stored is still the amount typed.
TEST_F(SettingsDialogsTest, shiftDialog_saveByMouseStoresTheAmountAsTyped)
{
    QDialog *shift = open(RepeaterShifts, "frmRPTshift");
    ASSERT_NE(shift, nullptr);
    auto *box50 = child<QLineEdit>(shift, "txtRPToffset_2");
    box50->setFocus();
    box50->selectAll();
    QTest::keyClicks(box50, "1.234");
    QTest::mouseClick(child<QPushButton>(shift, "cmdSAVE"), Qt::LeftButton);
    EXPECT_EQ(box50->text(), "1.23") << "reformatted as the focus left it";
    EXPECT_FALSE(shift->isVisible());
    EXPECT_EQ(window->radio().state.BandTable.BandMainVfo[2].RptOffset, 123400);
}

// Changes made in the dialogs are in the files at their offsets after exit, and the next
// start shows them.
TEST_F(SettingsDialogsTest, savedShiftAndSteps_reachTheFilesAndTheNextStart)
{
    QDialog *shift = open(RepeaterShifts, "frmRPTshift");
    ASSERT_NE(shift, nullptr);
    auto *box144 = child<QLineEdit>(shift, "txtRPToffset_1");
    box144->setFocus();
    box144->selectAll();
    QTest::keyClicks(box144, "0.7");
    QTest::mouseClick(child<QRadioButton>(shift, "ssopt430_1"), Qt::LeftButton);
    EXPECT_EQ(box144->text(), ".70"); // left for the option button
    QTest::mouseClick(child<QPushButton>(shift, "cmdSAVE"), Qt::LeftButton);
    EXPECT_FALSE(shift->isVisible());
    const RadioState &s = window->radio().state;
    EXPECT_EQ(s.BandTable.BandMainVfo[1].RptOffset, 70000);
    EXPECT_FALSE(s.Settings.Ars430);
    // The main VFO starts on 28 MHz: the radio gets that band's offset (frame encoding is
    // checked with the command set).
    ASSERT_LT(s.MainBand, 4);
    const auto params = EncodeRptOffset(s.BandTable.BandMainVfo[s.MainBand].RptOffset);
    ASSERT_TRUE(params.has_value());
    const QString offsetFrame = QStringLiteral("%1 %2 %3 %4 F9")
                                    .arg(int((*params)[0]), 2, 16, QLatin1Char('0'))
                                    .arg(int((*params)[1]), 2, 16, QLatin1Char('0'))
                                    .arg(int((*params)[2]), 2, 16, QLatin1Char('0'))
                                    .arg(int((*params)[3]), 2, 16, QLatin1Char('0'))
                                    .toUpper();
    EXPECT_TRUE(waitFor([&] { return logHas(offsetFrame); })) << offsetFrame.toStdString();

    QDialog *steps = open(TuningSteps, "frmTuningSteps");
    ASSERT_NE(steps, nullptr);
    auto *fm144 = child<QComboBox>(steps, "CHboxFM_1");
    fm144->setFocus();
    for (int k = 0; k < 3; ++k) {
        QTest::keyClick(fm144, Qt::Key_Down);
    }
    EXPECT_EQ(fm144->currentText(), "12.5 KHz");
    QTest::mouseClick(child<QPushButton>(steps, "cmdSAVE"), Qt::LeftButton);
    EXPECT_FALSE(steps->isVisible());
    EXPECT_EQ(s.Settings.ChannelStep[1][ModeFM], 1250);

    trigger("mnuFileArray_9");
    ASSERT_TRUE(waitFor([this] { return !window->isVisible(); }));
    window.reset();

    QFile settingsFile(dir.filePath("ft897.dorv"));
    QFile bandFile(dir.filePath("bandinfo.dorv"));
    ASSERT_TRUE(settingsFile.open(QIODevice::ReadOnly) && bandFile.open(QIODevice::ReadOnly));
    const QByteArray settings = settingsFile.readAll();
    const QByteArray band = bandFile.readAll();
    ASSERT_EQ(settings.size(), 1248);
    ASSERT_EQ(band.size(), 1204);
    // Channel steps from offset 508, band-fastest: band 1, FM (5) and PKT (7); 430 MHz FM.
    EXPECT_EQ(I32(settings, 508 + 4 * (1 + 12 * 5)), 1250);
    EXPECT_EQ(I32(settings, 508 + 4 * (1 + 12 * 7)), 1250);
    EXPECT_EQ(I32(settings, 508 + 4 * (0 + 12 * 5)), 500);
    EXPECT_EQ(I16(settings, 988), -1); // 144 MHz automatic shift on
    EXPECT_EQ(I16(settings, 990), 0);  // 430 MHz off
    // 22-byte VFO records, offset at +6: band 1 of the main (0) and PMS (528) entries.
    EXPECT_EQ(I32(band, 0 + 22 * 1 + 6), 70000);
    EXPECT_EQ(I32(band, 528 + 22 * 1 + 6), 70000);

    start();
    shift = open(RepeaterShifts, "frmRPTshift");
    ASSERT_NE(shift, nullptr);
    EXPECT_EQ(child<QLineEdit>(shift, "txtRPToffset_1")->text(), ".70");
    EXPECT_TRUE(child<QRadioButton>(shift, "ssopt430_1")->isChecked());
    QTest::keyClick(shift, Qt::Key_Escape);
    steps = open(TuningSteps, "frmTuningSteps");
    ASSERT_NE(steps, nullptr);
    EXPECT_EQ(child<QComboBox>(steps, "CHboxFM_1")->currentText(), "12.5 KHz");
    EXPECT_EQ(child<QComboBox>(steps, "CHboxFM_0")->currentText(), "5 KHz");
    QTest::keyClick(steps, Qt::Key_Escape);
    EXPECT_FALSE(steps->isVisible());
}

// At every panel size each dialog stands centred on the screen, wholly on it, and every
// control has at least the room its text needs.
TEST_F(SettingsDialogsTest, everyDialog_isCentredAndNothingIsCutOff)
{
    const std::pair<int, const char *> dialogs[] = {{TuningSteps, "frmTuningSteps"},
                                                    {RepeaterShifts, "frmRPTshift"},
                                                    {CtcssTones, "frmCTCSS"},
                                                    {DcsCodes, "frmDCS"}};
    for (int size = 0; size < 3; ++size) {
        trigger(QStringLiteral("mnuResizeDisplayArray_%1").arg(size));
        for (const auto &[item, name] : dialogs) {
            QDialog *dialog = open(item, name);
            ASSERT_NE(dialog, nullptr);
            const QRect area = window->screen()->availableGeometry();
            const QRect frame = dialog->frameGeometry();
            EXPECT_TRUE(area.contains(frame)) << name;
            // Small enough for a 640 x 480 screen with room for a title bar.
            EXPECT_LE(frame.width(), 640) << name;
            EXPECT_LE(frame.height(), 450) << name;
            EXPECT_LE((frame.center() - area.center()).manhattanLength(), 4) << name;
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                if (!w->isVisible() || w->isWindow()) {
                    continue;
                }
                const QString what = QStringLiteral("%1 %2 '%3'")
                                         .arg(name, w->metaObject()->className(), w->objectName());
                EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                    << what.toStdString();
                const QSize need = w->minimumSizeHint();
                EXPECT_GE(w->width(), need.width()) << what.toStdString();
                EXPECT_GE(w->height(), need.height()) << what.toStdString();
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
            EXPECT_FALSE(dialog->isVisible()) << name;
        }
    }
}

} // namespace
} // namespace dorv::gui

#endif
