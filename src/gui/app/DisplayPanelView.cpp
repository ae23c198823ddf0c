#include "app/DisplayPanelView.h"

#include "app/PanelLayout.h"
#include "app/RgbColour.h"
#include "widgets/OnAirLamp.h"
#include "widgets/PanelLabel.h"
#include "widgets/SevenSegmentDisplay.h"
#include "widgets/SignalMeter.h"

namespace dorv::gui {

namespace {

const QColor kInk(18, 22, 26);

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

DisplayPanelView::DisplayPanelView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DisplayPanel"));
    setAttribute(Qt::WA_TranslucentBackground);

    meter_ = new SignalMeter(this);
    meter_->setObjectName(QStringLiteral("LMeter"));
    items_.insert(QStringLiteral("LMeter"), meter_);

    ledFreq_ = addReadout(QStringLiteral("ledFreq"), 8);
    ledSubFreq_ = addReadout(QStringLiteral("ledSubFreq"), 8);
    ledMRnumber_ = addReadout(QStringLiteral("ledMRnumber"), 3);

    const PanelState design;
    for (int i = 0; i < kModeCount; ++i) {
        addLabel(QStringLiteral("lblMBmode_%1").arg(i), text(design.lblMBmode[i].Caption));
        addLabel(QStringLiteral("lblSBmode_%1").arg(i), text(design.lblSBmode[i].Caption));
    }
    for (const char *name :
         {"lblMainENC", "lblMainDEC", "lblMainDCS", "lblSubENC", "lblSubDEC", "lblSubDCS", "lblMT",
          "lblSKIP", "lblMCK", "lblQMB", "lblRXTX", "lblTXRX", "lblSPLIT", "lblSCAN", "lblSEARCH",
          "lblCLAR", "lblBusy", "lblCH", "lblMemoryDesc"}) {
        addLabel(QLatin1String(name), QString());
    }
    // Made after BUSY, whose place it shares: BUSY never shows while transmitting.
    lamp_ = new OnAirLamp(QString(), this);
    lamp_->setObjectName(QStringLiteral("lblOnAir"));
    lamp_->setShown(false);
    items_.insert(QStringLiteral("lblOnAir"), lamp_);
    static_cast<PanelLabel *>(items_["lblMemoryDesc"])->setAlignment(Qt::AlignLeft);
    static_cast<PanelLabel *>(items_["lblRXTX"])->setAlignment(Qt::AlignRight);
    static_cast<PanelLabel *>(items_["lblTXRX"])->setAlignment(Qt::AlignRight);
    addLabel(QStringLiteral("ImgRPTdirection_0"), QString())->setArrow(Qt::UpArrow);
    addLabel(QStringLiteral("ImgRPTdirection_1"), QString())->setArrow(Qt::DownArrow);
}

PanelLabel *DisplayPanelView::addLabel(const QString &name, const QString &caption)
{
    auto *label = new PanelLabel(caption, this);
    label->setObjectName(name);
    label->setColor(kInk);
    label->setShown(false);
    items_.insert(name, label);
    return label;
}

SevenSegmentDisplay *DisplayPanelView::addReadout(const QString &name, int digits)
{
    auto *readout = new SevenSegmentDisplay(digits, this);
    readout->setObjectName(name);
    readout->setBackgroundColor(Qt::transparent);
    readout->setSegmentColor(kInk);
    items_.insert(name, readout);
    return readout;
}

void DisplayPanelView::renderLabel(const QString &name, const LabelState &label)
{
    auto *widget = static_cast<PanelLabel *>(items_.value(name));
    widget->setText(text(label.Caption));
    widget->setShown(label.Visible);
}

void DisplayPanelView::render(const PanelState &panel)
{
    lamp_->setShaded(!panel.ReducedColours);
    const QColor unlit = toQColor(panel.ledBackColour).darker(112);
    for (SevenSegmentDisplay *readout : {ledFreq_, ledSubFreq_, ledMRnumber_})
        readout->setUnlitColor(unlit);
    ledFreq_->setVisible(panel.ledFreqVisible);
    ledSubFreq_->setVisible(panel.ledSubFreqVisible);
    ledMRnumber_->setVisible(panel.ledMRnumberVisible);

    for (int i = 0; i < kModeCount; ++i) {
        renderLabel(QStringLiteral("lblMBmode_%1").arg(i), panel.lblMBmode[i]);
        renderLabel(QStringLiteral("lblSBmode_%1").arg(i), panel.lblSBmode[i]);
    }
    const std::pair<const char *, const LabelState *> labels[] = {
        {"lblMainENC", &panel.lblMainENC}, {"lblMainDEC", &panel.lblMainDEC},
        {"lblMainDCS", &panel.lblMainDCS}, {"lblSubENC", &panel.lblSubENC},
        {"lblSubDEC", &panel.lblSubDEC},   {"lblSubDCS", &panel.lblSubDCS},
        {"lblMT", &panel.lblMT},           {"lblSKIP", &panel.lblSKIP},
        {"lblMCK", &panel.lblMCK},         {"lblQMB", &panel.lblQMB},
        {"lblRXTX", &panel.lblRXTX},       {"lblTXRX", &panel.lblTXRX},
        {"lblSPLIT", &panel.lblSPLIT},     {"lblSCAN", &panel.lblSCAN},
        {"lblSEARCH", &panel.lblSEARCH},   {"lblCLAR", &panel.lblCLAR},
        {"lblBusy", &panel.lblBusy},       {"lblOnAir", &panel.lblOnAir},
        {"lblCH", &panel.lblCH},           {"lblMemoryDesc", &panel.lblMemoryDesc}};
    for (const auto &[name, label] : labels)
        renderLabel(QLatin1String(name), *label);
    for (int i = 0; i < 2; ++i)
        static_cast<PanelLabel *>(items_.value(QStringLiteral("ImgRPTdirection_%1").arg(i)))
            ->setShown(panel.ImgRPTdirection[i]);

    meter_->setVisible(panel.LMeterVisible);
    // A meter in the display's own colour lets the display's shading show through.
    meter_->setBackgroundColor(panel.LMeterColour == panel.DisplayPanelColour
                                   ? QColor(Qt::transparent)
                                   : toQColor(panel.LMeterColour));
    meter_->setUnlitColor(toQColor(panel.LMeterColour).darker(112));
    renderReadouts(panel);
}

void DisplayPanelView::renderReadouts(const PanelState &panel)
{
    ledFreq_->setText(text(panel.ledFreq));
    ledSubFreq_->setText(text(panel.ledSubFreq));
    ledMRnumber_->setText(text(panel.ledMRnumber));
    renderMeter(panel);
}

void DisplayPanelView::renderMeter(const PanelState &panel)
{
    renderLabel(QStringLiteral("lblBusy"), panel.lblBusy);
    for (int n = 0; n < SignalMeter::kIndicatorCount; ++n) {
        const MeterIndicator &in = panel.LMeter[n];
        meter_->setIndicator(n, true, in.Start, in.End, in.Value);
    }
}

void DisplayPanelView::resizeEvent(QResizeEvent *)
{
    for (auto it = items_.cbegin(); it != items_.cend(); ++it)
        it.value()->setGeometry(PanelLayout::place(PanelLayout::onDisplay(it.key()), rect()));
}

} // namespace dorv::gui
