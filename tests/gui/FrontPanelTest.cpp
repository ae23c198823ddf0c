#include "app/FrontPanel.h"

#include "ModalCloser.h"
#include "app/MainWindow.h"
#include "app/MenuBarBuilder.h"
#include "widgets/FaceButton.h"
#include "widgets/Knob.h"
#include "widgets/Led.h"
#include "widgets/PanelLabel.h"
#include "widgets/SevenSegmentDisplay.h"
#include "widgets/SignalMeter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace dorv::gui {
namespace {

using test::ModalCloser;

class FrontPanelTest : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<MainWindow>(dir.path()); }

    template <typename T> T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction *menuItem(const QString &array, int index) const
    {
        return window->menus()->item(array, index);
    }
    QStringList dataFiles() const { return QDir(dir.path()).entryList({"*.dorv"}); }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(FrontPanelTest, everyKey_existsWithItsCaption)
{
    const std::vector<std::pair<QString, QString>> keys{
        {"CATbutton", "POWER"},   {"MOXbutton", "MOX"},       {"SYNCbutton", "SYNC"},
        {"SCOPEbutton", "SCOPE"}, {"SEARCHbutton", "SEARCH"}, {"STObutton", "STO"},
        {"RCLbutton", "RCL"},     {"FASTbutton", "FAST"},     {"LOCKbutton", "LOCK"},
        {"HOMEbutton", "HOME"},   {"VFOMRbutton", "VFO/ M"},  {"MCKbutton", "MCK/ W"},
        {"ABbutton", "A > B"},    {"SWAPbutton", "A < > B"},  {"SUBbutton", "SUB"},
        {"SPLITbutton", "SPLIT"}, {"CLARbutton", "CLAR"},     {"ENTbutton", "ENT"},
        {"DOPbutton", "-"},       {"btnJogDown", "DOWN"},     {"btnJogUp", "UP"}};
    for (const auto &[name, caption] : keys) {
        EXPECT_EQ(find<FaceButton>(name)->text(), caption) << name.toStdString();
    }
    const QStringList modes{"LSB", "USB", "CW", "CWR", "AM", "FM", "DIG", "PKT"};
    for (int i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(find<FaceButton>(QStringLiteral("ModeButton_%1").arg(i))->text(), modes[i]);
    }
    const QStringList bands{"430", "144", "50", "28", "24",  "21",
                            "18",  "14",  "10", "7",  "3.5", "1.8"};
    for (int i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(find<FaceButton>(QStringLiteral("BandButton_%1").arg(i))->text(), bands[i]);
    }
    // The numbered keys carry their digit, their function printed above.
    const std::vector<std::pair<QString, QString>> numbered{{"RPTbutton", "RPT"},
                                                            {"REVbutton", "REV"},
                                                            {"TONEbutton", "TONE"},
                                                            {"SCANbutton", "SCAN"},
                                                            {"PRIbutton", "PRI"},
                                                            {"PMSbutton", "PMS"},
                                                            {"BandDownButton", "BAND DOWN"},
                                                            {"BandUpButton", "BAND UP"},
                                                            {"MhzDownButton", "MHz DOWN"},
                                                            {"MhzUpButton", "MHz UP"}};
    for (int i = 0; i < int(numbered.size()); ++i) {
        auto *key = find<FaceButton>(numbered[i].first);
        EXPECT_EQ(key->text(), QString::number((i + 1) % 10));
        EXPECT_EQ(key->upperLegend(), numbered[i].second);
    }
}

// Keys of one kind print their legends at one size, at every display size.
TEST_F(FrontPanelTest, legends_ofOneKindOfKeyShareOneSize)
{
    window->show();
    const std::vector<std::vector<const char *>> kinds{
        {"VFOMRbutton", "ABbutton", "SWAPbutton", "MCKbutton", "CATbutton"},
        {"ModeButton_0", "ModeButton_3", "ModeButton_7"},
        {"BandButton_0", "BandButton_10", "BandButton_9"},
        {"BandDownButton", "BandUpButton", "MhzDownButton", "RPTbutton"}};
    for (int size : {2, 0}) { // Large, Small
        menuItem("mnuResizeDisplayArray", size)->trigger();
        for (const auto &kind : kinds) {
            const FaceButton *first = find<FaceButton>(kind.front());
            EXPECT_GT(first->legendSize(), 0);
            for (const char *name : kind) {
                const FaceButton *key = find<FaceButton>(name);
                EXPECT_EQ(key->legendSize(), first->legendSize()) << name << " at size " << size;
                EXPECT_EQ(key->upperLegendSize(), first->upperLegendSize()) << name;
            }
        }
        // Each legend fits its key.
        const FaceButton *swap = find<FaceButton>("SWAPbutton");
        EXPECT_LE(swap->legendSize(), swap->fittedLegendSize());
    }
}

// Every button and knob tells, on hovering, what it is and the key that works it.
TEST_F(FrontPanelTest, everyControl_hasAToolTipWithItsKey)
{
    QStringList untipped;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if ((qobject_cast<FaceButton *>(control) || qobject_cast<Knob *>(control)) &&
            control->toolTip().isEmpty()) {
            untipped << control->objectName();
        }
    }
    EXPECT_TRUE(untipped.isEmpty()) << untipped.join(' ').toStdString();
    const std::pair<const char *, const char *> rows[] = {
        {"VFOMRbutton", "VFO/M \u2014 Ctrl+V"},
        {"MOXbutton", "MOX \u2014 Space (transmit while held)"},
        {"BandButton_0", "430 MHz band \u2014 F12"},
        {"BandButton_11", "1.8 MHz band \u2014 F1"},
        {"BandDownButton", "BAND DOWN \u2014 7"},
        {"MainKnob", "Main dial \u2014 Page Up / Page Down"},
    };
    for (const auto &[name, tip] : rows) {
        EXPECT_EQ(find<QWidget>(name)->toolTip(), QString::fromUtf8(tip)) << name;
    }
}

TEST_F(FrontPanelTest, displayItems_existWithTheirCaptions)
{
    EXPECT_EQ(find<SevenSegmentDisplay>("ledFreq")->text(), "440.000.00");
    EXPECT_EQ(find<SevenSegmentDisplay>("ledSubFreq")->text(), "144.200.00");
    EXPECT_EQ(find<SevenSegmentDisplay>("ledMRnumber")->digitCount(), 3);
    const QStringList modes{"LSB", "USB", "CW", "CW-R", "AM", "FM", "DIG", "PKT"};
    for (int i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(find<PanelLabel>(QStringLiteral("lblMBmode_%1").arg(i))->text(), modes[i]);
        EXPECT_EQ(find<PanelLabel>(QStringLiteral("lblSBmode_%1").arg(i))->text(), modes[i]);
    }
    const std::vector<std::pair<QString, QString>> labels{
        {"lblMainENC", "ENC"}, {"lblMainDEC", "DEC"}, {"lblMainDCS", "DCS"}, {"lblSubENC", "ENC"},
        {"lblSubDEC", "DEC"},  {"lblSubDCS", "DCS"},  {"lblMT", "MT"},       {"lblSKIP", "SKIP"},
        {"lblMCK", "MCK"},     {"lblQMB", "QMB"},     {"lblRXTX", "RX-TX"},  {"lblTXRX", "TX-RX"},
        {"lblSPLIT", "SPLIT"}, {"lblSCAN", "SCAN"},   {"lblSEARCH", "SRCH"}, {"lblCLAR", "CLAR"},
        {"lblBusy", "BUSY"},   {"lblOnAir", "TX"},    {"lblCH", "CH"},       {"lblMemoryDesc", ""}};
    for (const auto &[name, caption] : labels) {
        EXPECT_EQ(find<PanelLabel>(name)->text(), caption) << name.toStdString();
    }
    find<PanelLabel>("ImgRPTdirection_0");
    find<PanelLabel>("ImgRPTdirection_1");
    find<SignalMeter>("LMeter");
    for (const char *name : {"LEDsub", "ledFAST", "ledLOCK"}) {
        find<Led>(name);
    }
    for (const char *name : {"MainKnob", "SubKnob", "ChannelKnob"}) {
        find<Knob>(name);
    }
}

// While transmitting a lit red lamp stands on the display of both faces, at every size and
// in both colour sets, and the title says so; while receiving neither shows.
TEST_F(FrontPanelTest, transmitting_lightsTheLampOnEveryFaceAndNamesItInTheTitle)
{
    window->show();
    Radio &radio = window->radio();
    PanelState &panel = radio.panel;
    panel.Caption = "DORV FT-897 (club.mem)";
    const auto *lamp = find<QWidget>("lblOnAir");
    for (int size : {0, 1, 2}) {
        for (int face : {4, 5}) {
            for (int colours : {7, 8}) {
                radio.display.mnuResizeDisplayArray_Click(size);
                radio.display.mnuResizeDisplayArray_Click(face);
                radio.display.mnuResizeDisplayArray_Click(colours);
                for (bool onAir : {true, false}) {
                    panel.lblOnAir.Visible = onAir;
                    window->render();
                    const QImage image = window->grab().toImage();
                    const QRect place(lamp->mapTo(window.get(), QPoint(0, 0)), lamp->size());
                    int lit = 0;
                    for (int y = place.top(); y <= place.bottom(); ++y) {
                        for (int x = place.left(); x <= place.right(); ++x) {
                            const QColor c = image.pixelColor(x, y);
                            lit += c.red() > 150 && c.red() > 2 * std::max(c.green(), c.blue());
                        }
                    }
                    const std::string where = "size " + std::to_string(size) + " face " +
                                              std::to_string(face) + " colours " +
                                              std::to_string(colours);
                    EXPECT_EQ(lamp->isVisible(), true) << where;
                    if (onAir) {
                        EXPECT_GT(lit, place.width() * place.height() / 3)
                            << where << ": the lamp is not lit red at " << place.x() << ","
                            << place.y();
                        EXPECT_EQ(window->windowTitle(), "ON AIR - DORV FT-897 (club.mem)");
                    } else {
                        EXPECT_EQ(lit, 0) << where;
                        EXPECT_EQ(window->windowTitle(), "DORV FT-897 (club.mem)");
                    }
                }
            }
        }
    }
}

// The panel shows the panel state after each change, and only that.
TEST_F(FrontPanelTest, focusChain_followsTheFaceColumnByColumnAndRowByRow)
{
    const std::vector<std::pair<QString, QString>> next{
        {"CATbutton", "SYNCbutton"},  {"MOXbutton", "SubKnob"},    {"CLARbutton", "STObutton"},
        {"SPLITbutton", "RPTbutton"}, {"PRIbutton", "DOPbutton"},  {"DOPbutton", "PMSbutton"},
        {"ModeButton_7", "MainKnob"}, {"btnJogUp", "ChannelKnob"}, {"HOMEbutton", "BandButton_0"}};
    for (const auto &[from, to] : next) {
        EXPECT_EQ(find<QWidget>(from)->nextInFocusChain()->objectName(), to) << from.toStdString();
    }
}

TEST_F(FrontPanelTest, render_followsThePanelState)
{
    PanelState &panel = window->radio().panel;
    panel.ledFreq = "14.200.00";
    panel.lblBusy.Visible = true;
    panel.ledLOCK = true;
    panel.ModeButton[3].Enabled = true;
    panel.ChannelKnob.Enabled = false;
    window->render();
    EXPECT_EQ(find<SevenSegmentDisplay>("ledFreq")->text(), "14.200.00");
    EXPECT_TRUE(find<PanelLabel>("lblBusy")->isShown());
    EXPECT_FALSE(find<PanelLabel>("lblOnAir")->isShown());
    EXPECT_TRUE(find<Led>("ledLOCK")->isLit());
    EXPECT_TRUE(find<FaceButton>("ModeButton_3")->isEnabled());
    EXPECT_FALSE(find<FaceButton>("ModeButton_4")->isEnabled());
    EXPECT_FALSE(find<Knob>("ChannelKnob")->isEnabled());
}

// Each size and face gives its window width; the LCD face hides the keys.
TEST_F(FrontPanelTest, displayMenu_givesTheWindowWidthOfEachSizeAndFace)
{
    window->show();
    struct Case {
        int size;
        int face;
        int width;
    };
    // A size wider than the screen is laid out at the screen's width, as the size of that
    // width when there is one.
    const int screen = QGuiApplication::primaryScreen()->size().width();
    const int widths[] = {640, 800, 1024};
    const int lcdWidths[] = {587, 731, 935};
    for (const Case c : {Case{0, 5, 640}, Case{1, 5, 800}, Case{2, 5, 1024}, Case{0, 4, 587},
                         Case{1, 4, 731}, Case{2, 4, 935}}) {
        int size = c.size;
        int expected = c.width;
        if (widths[c.size] > screen) {
            const int *fit = std::find(std::begin(widths), std::end(widths), screen);
            if (fit == std::end(widths)) {
                continue;
            }
            size = int(fit - std::begin(widths));
            expected = c.face == 4 ? lcdWidths[size] : screen;
        }
        menuItem("mnuResizeDisplayArray", c.size)->trigger();
        menuItem("mnuResizeDisplayArray", c.face)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(window->width(), expected) << c.size << "/" << c.face;
        EXPECT_EQ(window->frontPanel()->width(), expected);
        EXPECT_TRUE(menuItem("mnuResizeDisplayArray", size)->isChecked());
        EXPECT_TRUE(menuItem("mnuResizeDisplayArray", c.face)->isChecked());
        EXPECT_FALSE(menuItem("mnuResizeDisplayArray", c.face == 4 ? 5 : 4)->isChecked());
        EXPECT_EQ(find<FaceButton>("CATbutton")->isVisible(), c.face == 5);
        // The readouts scale with the window.
        EXPECT_GT(find<SevenSegmentDisplay>("ledFreq")->width(), expected / 3)
            << find<SevenSegmentDisplay>("ledFreq")->width();
    }
}

TEST_F(FrontPanelTest, lockDialog_refusesShortPasswordsAndUnlocksOnlyWithTheSameOne)
{
    window->show();
    menuItem("mnuFileArray", 6)->trigger();
    auto *dialog = find<QDialog>("frmLockUnLock");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Lock Menus");
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "resizable";
    auto *password = find<QLineEdit>("txtPassword");
    EXPECT_EQ(password->maxLength(), 10);
    auto *ok = find<QPushButton>("cmdOK");
    {
        ModalCloser closer;
        for (const char *refused : {"abc", "ab cd"}) {
            password->setText(refused);
            ok->click();
            ASSERT_EQ(closer.seen.size(), 1u) << refused;
            EXPECT_EQ(closer.seen[0].text,
                      "Password must be longer than 3 characters and may not contain empty "
                      "space!");
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(password->selectedText(), refused);
            closer.seen.clear();
        }
    }
    password->setText("Secret");
    ok->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->radio().state.MenusLocked);
    for (int i : {0, 1, 3, 4, 6, 9}) {
        EXPECT_FALSE(menuItem("mnuFileArray", i)->isEnabled()) << i;
    }
    EXPECT_TRUE(menuItem("mnuFileArray", 7)->isEnabled());
    EXPECT_FALSE(find<QMenu>("mnuSettings")->menuAction()->isEnabled());
    EXPECT_FALSE(find<QMenu>("mnuMemory")->menuAction()->isEnabled());
    EXPECT_TRUE(find<QMenu>("mnuHelp")->menuAction()->isEnabled());

    menuItem("mnuFileArray", 7)->trigger();
    EXPECT_EQ(dialog->windowTitle(), "Unlock Menus");
    EXPECT_TRUE(password->text().isEmpty());
    {
        ModalCloser closer;
        password->setText("secret");
        ok->click();
        ASSERT_EQ(closer.seen.size(), 1u);
        EXPECT_EQ(closer.seen[0].text, "Invalid Password, try again!");
        EXPECT_EQ(password->selectedText(), "secret");
    }
    password->setText("Secret");
    ok->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(window->radio().state.MenusLocked);
    EXPECT_TRUE(menuItem("mnuFileArray", 9)->isEnabled());
    EXPECT_TRUE(find<QMenu>("mnuSettings")->menuAction()->isEnabled());
}

// Cancel at the save prompt keeps the program running and writes nothing, from the menu
// and from the close box; No ends it and writes the data files.
TEST_F(FrontPanelTest, exitPrompt_cancelKeepsTheProgramAndNoEndsIt)
{
    window->show();
    window->radio().state.MemoryDirty = true;
    {
        ModalCloser closer(QMessageBox::Cancel);
        menuItem("mnuFileArray", 9)->trigger();
        window->close();
        ASSERT_EQ(closer.seen.size(), 2u);
        EXPECT_EQ(closer.seen[0].title, "Save File");
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dataFiles().isEmpty());

    ModalCloser closer(QMessageBox::No);
    menuItem("mnuFileArray", 9)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dataFiles(), QStringList({"bandinfo.dorv", "ft897.dorv", "homemem.dorv"}));
}

TEST_F(FrontPanelTest, aboutBox_showsNameAndVersionUntilOk)
{
    window->show();
    window->radio().app.frmStartup_Load();
    menuItem("mnuHelpArray", 2)->trigger();
    auto *about = find<QDialog>("frmAbout");
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About DORV");
    EXPECT_EQ(about->minimumSize(), about->maximumSize()) << "resizable";
    EXPECT_EQ(about->findChild<QLabel *>("lblWhat")->text(), "DORV FT-897");
    EXPECT_EQ(about->findChild<QLabel *>("lblVersion")->text(), "Version 0.1.0");
    about->findChild<QPushButton *>("btnOK")->click();
    EXPECT_FALSE(about->isVisible());
}

#ifdef DORV_WITH_SIMULATOR
// With the simulated radio on port 9, POWER lights the panel and the keyboard's F12 picks
// the 430 MHz band through the key preview.
TEST_F(FrontPanelTest, powerAndKeys_driveTheCoreThroughThePanel)
{
    window->show();
    ModalCloser closer;
    window->radio().files.OpenBandDataFile(); // the default band table
    closer.seen.clear();
    menuItem("mnuCommPortArray", 9)->trigger();
    find<FaceButton>("CATbutton")->click();
    ASSERT_TRUE(window->radio().state.CatOn)
        << (closer.seen.empty() ? std::string() : closer.seen[0].text.toStdString());
    EXPECT_TRUE(find<SevenSegmentDisplay>("ledFreq")->isVisible());
    EXPECT_TRUE(find<FaceButton>("ModeButton_0")->isEnabled());

    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_F12, Qt::NoModifier);
        QApplication::sendEvent(find<FaceButton>("CATbutton"), &key);
    }
    EXPECT_EQ(window->radio().state.MainBand, 0);
    EXPECT_TRUE(find<SevenSegmentDisplay>("ledFreq")->text().startsWith("4"))
        << find<SevenSegmentDisplay>("ledFreq")->text().toStdString();
}
#endif

} // namespace
} // namespace dorv::gui
