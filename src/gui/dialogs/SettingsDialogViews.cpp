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
    add(dialogs.frmTuningSteps,
        [&radio, window] { return new TuningStepsDialogView(radio, window); });
    add(dialogs.frmRPTshift, [&radio, window] { return new RptShiftDialogView(radio, window); });
    add(dialogs.frmCTCSS, [&radio, window] {
        return new ToneDialogView(radio, radio.dialogs.frmCTCSS, QStringLiteral("frmCTCSS"),
                                  kCtcssColumns, window);
    });
    add(dialogs.frmDCS, [&radio, window] {
        return new ToneDialogView(radio, radio.dialogs.frmDCS, QStringLiteral("frmDCS"),
                                  kDcsColumns, window);
    });
}

template <typename Form>
void SettingsDialogViews::add(const Form &form, std::function<SettingsDialogView *()> make)
{
    views_.emplace_back([&form] { return form.form.Visible; },
                        [this, make = std::move(make)] {
                            SettingsDialogView *view = make();
                            connect(view, &SettingsDialogView::acted, this,
                                    &SettingsDialogViews::acted);
                            return view;
                        });
}

void SettingsDialogViews::render()
{
    for (OnDemandWindow<SettingsDialogView> &view : views_) {
        view.render();
    }
}

void SettingsDialogViews::hideAll()
{
    for (OnDemandWindow<SettingsDialogView> &view : views_) {
        view.hide();
    }
}

} // namespace dorv::gui
