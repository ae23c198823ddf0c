#include "dialogs/SettingsDialogViews.h"

#include "dialogs/RptShiftDialogView.h"
#include "dialogs/ToneDialogView.h"
#include "dialogs/TuningStepsDialogView.h"

namespace dorv::gui {

namespace {
constexpr int kCtcssColumns = 4;
constexpr int kDcsColumns = 8;
} // namespace

SettingsDialogViews::SettingsDialogViews(Radio &radio, QWidget *window) : QObject(window)
{
    SettingsDialogs &dialogs = radio.dialogs;
    views_ = {
        new TuningStepsDialogView(radio, window), new RptShiftDialogView(radio, window),
        new ToneDialogView(radio, dialogs.frmCTCSS, QStringLiteral("frmCTCSS"), kCtcssColumns,
                           window),
        new ToneDialogView(radio, dialogs.frmDCS, QStringLiteral("frmDCS"), kDcsColumns, window)};
    for (SettingsDialogView *view : std::as_const(views_)) {
        connect(view, &SettingsDialogView::acted, this, &SettingsDialogViews::acted);
    }
}

void SettingsDialogViews::render()
{
    for (SettingsDialogView *view : std::as_const(views_)) {
        view->render();
    }
}

void SettingsDialogViews::hideAll()
{
    for (SettingsDialogView *view : std::as_const(views_)) {
        view->hide();
    }
}

} // namespace dorv::gui
