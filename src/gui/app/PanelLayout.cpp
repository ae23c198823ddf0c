#include "app/PanelLayout.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace dorv::gui::PanelLayout {

namespace {

// Face regions (fractions of width, height): left column 0.02-0.13, display 0.145-0.70,
// main dial on the right; below the display a row of VFO keys, two rows of numbered keys
// and the mode keys, and across the whole width the band keys.
constexpr QRectF kDisplay{0.145, 0.05, 0.555, 0.37};
constexpr QRectF kMainKnob{0.735, 0.035, 0.235, 0.56};
constexpr QRectF kSubKnob{0.025, 0.545, 0.09, 0.214};
constexpr QRectF kChannelKnob{0.885, 0.63, 0.09, 0.214};

constexpr qreal kKeysLeft = 0.145;
constexpr qreal kKeysWidth = 0.555;

const QStringList &numberedKeys()
{
    static const QStringList names{"RPTbutton",     "REVbutton",  "TONEbutton",     "SCANbutton",
                                   "PRIbutton",     "PMSbutton",  "BandDownButton", "BandUpButton",
                                   "MhzDownButton", "MhzUpButton"};
    return names;
}

QHash<QString, QRectF> buildFace()
{
    QHash<QString, QRectF> at;
    at["MainKnob"] = kMainKnob;
    at["SubKnob"] = kSubKnob;
    at["ChannelKnob"] = kChannelKnob;

    // Left column.
    at["CATbutton"] = {0.02, 0.05, 0.105, 0.085};
    at["SYNCbutton"] = {0.02, 0.155, 0.105, 0.07};
    at["SCOPEbutton"] = {0.02, 0.245, 0.105, 0.07};
    at["SEARCHbutton"] = {0.02, 0.335, 0.105, 0.07};
    at["MOXbutton"] = {0.02, 0.425, 0.105, 0.085};
    at["CLARbutton"] = {0.02, 0.78, 0.105, 0.075};

    // Right column, under the main dial.
    at["btnJogDown"] = {0.735, 0.63, 0.06, 0.08};
    at["btnJogUp"] = {0.80, 0.63, 0.06, 0.08};
    at["FASTbutton"] = {0.735, 0.735, 0.07, 0.075};
    at["ledFAST"] = {0.81, 0.752, 0.016, 0.04};
    at["LOCKbutton"] = {0.735, 0.83, 0.07, 0.075};
    at["ledLOCK"] = {0.81, 0.847, 0.016, 0.04};
    at["HOMEbutton"] = {0.835, 0.83, 0.07, 0.075};

    // Row of VFO and memory keys under the display; the SUB LED sits over its key.
    const QStringList row{"STObutton", "RCLbutton",  "VFOMRbutton", "MCKbutton",
                          "ABbutton",  "SWAPbutton", "SUBbutton",   "SPLITbutton"};
    const qreal rowPitch = kKeysWidth / row.size();
    for (int i = 0; i < row.size(); ++i)
        at[row[i]] = {kKeysLeft + i * rowPitch + 0.004, 0.475, rowPitch - 0.008, 0.075};
    const QRectF sub = at["SUBbutton"];
    at["LEDsub"] = {sub.right() - 0.014, 0.443, 0.012, 0.029};

    // Numbered keys, two rows of five; the DOP and ENT keys close the rows.
    const qreal pitch = kKeysWidth / 6;
    constexpr qreal keyTop = 0.565, keyHeight = 0.12, keyRow = 0.125;
    for (int i = 0; i < 10; ++i)
        at[numberedKeys()[i]] = {kKeysLeft + (i % 5) * pitch + 0.005, keyTop + (i / 5) * keyRow,
                                 pitch - 0.01, keyHeight};
    const qreal legend = 0.32 * keyHeight; // the upper legend's part of a numbered key
    at["DOPbutton"] = {kKeysLeft + 5 * pitch + 0.005, keyTop + legend, pitch - 0.01,
                       keyHeight - legend};
    at["ENTbutton"] = {kKeysLeft + 5 * pitch + 0.005, keyTop + keyRow + legend, pitch - 0.01,
                       keyHeight - legend};

    const qreal modePitch = kKeysWidth / 8;
    for (int i = 0; i < 8; ++i)
        at[QStringLiteral("ModeButton_%1").arg(i)] = {kKeysLeft + i * modePitch + 0.004, 0.825,
                                                      modePitch - 0.008, 0.068};
    const qreal bandPitch = 0.96 / 12;
    for (int i = 0; i < 12; ++i)
        at[QStringLiteral("BandButton_%1").arg(i)] = {0.02 + i * bandPitch + 0.005, 0.91,
                                                      bandPitch - 0.01, 0.068};
    return at;
}

// Display items (fractions of the display window): meter and status legends on top, the
// memory description, the main readout with its mode, tone and channel column, and the
// sub readout with its mode and tone along the bottom.
QHash<QString, QRectF> buildDisplay()
{
    QHash<QString, QRectF> at;
    at["LMeter"] = {0.02, 0.02, 0.50, 0.27};
    const QStringList status{"lblBusy",   "lblOnAir", "lblSPLIT", "lblCLAR", "lblSCAN",
                             "lblSEARCH", "lblMT",    "lblSKIP",  "lblMCK",  "lblQMB"};
    for (int i = 0; i < status.size(); ++i)
        at[status[i]] = {0.545 + (i % 5) * 0.09, 0.05 + (i / 5) * 0.11, 0.085, 0.095};
    // The transmit lamp is larger than a legend: it takes BUSY's place as well, which is
    // never shown while transmitting, and stands a little taller than the row.
    at["lblOnAir"] = {0.545, 0.02, 0.175, 0.15};
    at["lblMemoryDesc"] = {0.02, 0.29, 0.70, 0.075};

    for (int i = 0; i < 8; ++i) {
        at[QStringLiteral("lblMBmode_%1").arg(i)] = {0.02, 0.39, 0.11, 0.095};
        at[QStringLiteral("lblSBmode_%1").arg(i)] = {0.02, 0.80, 0.11, 0.095};
    }
    at["lblMainENC"] = {0.02, 0.50, 0.055, 0.08};
    at["lblMainDEC"] = {0.075, 0.50, 0.055, 0.08};
    at["lblMainDCS"] = {0.02, 0.59, 0.06, 0.08};
    at["ledMRnumber"] = {0.14, 0.40, 0.10, 0.17};
    at["lblCH"] = {0.14, 0.58, 0.10, 0.08};
    at["ImgRPTdirection_0"] = {0.245, 0.41, 0.03, 0.07};
    at["ImgRPTdirection_1"] = {0.245, 0.51, 0.03, 0.07};
    at["ledFreq"] = {0.28, 0.37, 0.70, 0.36};

    at["lblSubENC"] = {0.14, 0.80, 0.055, 0.08};
    at["lblSubDEC"] = {0.195, 0.80, 0.055, 0.08};
    at["lblSubDCS"] = {0.25, 0.80, 0.06, 0.08};
    at["lblRXTX"] = {0.30, 0.77, 0.13, 0.085};
    at["lblTXRX"] = {0.30, 0.87, 0.13, 0.085};
    at["ledSubFreq"] = {0.45, 0.76, 0.53, 0.21};
    return at;
}

} // namespace

FaceLayout face()
{
    FaceLayout layout;
    layout.display = kDisplay;
    layout.speaker = QRectF();
    // A ring around each knob, the same width on all sides.
    const auto well = [](const QRectF &knob, qreal ring) {
        return knob.adjusted(-ring, -ring / kFaceAspect, ring, ring / kFaceAspect);
    };
    layout.knobWells = {well(kMainKnob, 0.007), well(kSubKnob, 0.005), well(kChannelKnob, 0.005)};
    return layout;
}

QRect place(const QRectF &fraction, const QRect &area)
{
    return QRectF(area.left() + fraction.left() * area.width(),
                  area.top() + fraction.top() * area.height(), fraction.width() * area.width(),
                  fraction.height() * area.height())
        .toAlignedRect();
}

QRectF onFace(const QString &name)
{
    static const QHash<QString, QRectF> table = buildFace();
    return table.value(name);
}

QRectF onDisplay(const QString &name)
{
    static const QHash<QString, QRectF> table = buildDisplay();
    return table.value(name);
}

QStringList focusOrder(QStringList names)
{
    constexpr qreal kBandRowTop = 0.9;
    constexpr qreal kRightColumnLeft = 0.72;
    const auto rank = [](const QString &name) {
        const QRectF at = onFace(name);
        const int group = at.top() >= kBandRowTop        ? 3
                          : at.left() < kKeysLeft        ? 0
                          : at.left() < kRightColumnLeft ? 1
                                                         : 2;
        return std::tuple(group, at.top(), at.left());
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return rank(a) < rank(b); });
    return names;
}

QString digitOf(const QString &name)
{
    const qsizetype i = numberedKeys().indexOf(name);
    return i < 0 ? QString() : QString::number((i + 1) % 10);
}

} // namespace dorv::gui::PanelLayout
