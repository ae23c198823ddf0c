#pragma once

#include "dialogs/RptShiftDialog.h"
#include "dialogs/ToneDialog.h"
#include "dialogs/TuningStepsDialog.h"

namespace dorv {

// The four dialogs of the Settings menu; each opens modally over the main window.
struct SettingsDialogs {
    explicit SettingsDialogs(Radio &radio)
        : frmTuningSteps(radio), frmRPTshift(radio), frmCTCSS(radio, ToneDialog::Kind::Ctcss),
          frmDCS(radio, ToneDialog::Kind::Dcs)
    {
    }

    TuningStepsDialog frmTuningSteps;
    RptShiftDialog frmRPTshift;
    ToneDialog frmCTCSS;
    ToneDialog frmDCS;
};

} // namespace dorv
