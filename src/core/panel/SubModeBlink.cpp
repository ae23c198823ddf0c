#include "panel/SubModeBlink.h"

namespace dorv {

namespace {
constexpr const char *kShown = "ON";
constexpr const char *kHidden = "OFF";
} // namespace

void TagSubModeLabels(PanelState &panel)
{
    for (LabelState &label : panel.lblSBmode) {
        label.Tag = label.Visible ? kShown : kHidden;
    }
}

void ShowTaggedSubModeLabels(PanelState &panel)
{
    for (LabelState &label : panel.lblSBmode) {
        if (label.Tag == kShown) {
            label.Visible = true;
        }
    }
}

void BlinkSubModeLabels(PanelState &panel)
{
    for (LabelState &label : panel.lblSBmode) {
        if (label.Tag == kShown) {
            label.Visible = !label.Visible;
        }
    }
}

} // namespace dorv
