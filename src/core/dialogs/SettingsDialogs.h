#pragma once

#include "dialogs/RptShiftDialog.h"
#include "dialogs/ToneDialog.h"
#include "dialogs/TuningStepsDialog.h"

namespace dorv {

// The four dialogs of the Settings menu; each opens modally over the main window.
struct SettingsDialogs {
    SettingsDialogs(Host &host, RadioState &state, CatCommands &cat)
        : frmTuningSteps(host, state), frmRPTshift(host, state, cat),
          frmCTCSS(host, state, cat, ToneDialog::Kind::Ctcss),
          frmDCS(host, state, cat, ToneDialog::Kind::Dcs)
    {
    }

    TuningStepsDialog frmTuningSteps;
    RptShiftDialog frmRPTshift;
    ToneDialog frmCTCSS;
    ToneDialog frmDCS;
};

} // namespace dorv
