#include "scan/SweepGuard.h"

#include "host/Host.h"
#include "model/RadioState.h"

namespace dorv {

namespace {
const char *const kSweepingText =
    "The band scope is sweeping. Press STOP on the band scope before starting this function.";
} // namespace

bool RefusedWhileSweeping(const RadioState &state, Host &host)
{
    if (!state.ScopeSweeping) {
        return false;
    }
    host.beep();
    host.messageBox(kSweepingText, "Band Scope", MsgIcon::Exclamation, MsgButtons::Ok);
    return true;
}

} // namespace dorv
