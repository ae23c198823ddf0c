#include "scan/SweepGuard.h"

#include "Radio.h"

namespace dorv {

namespace {
const char *const kSweepingText =
    "The band scope is sweeping. Press STOP on the band scope before starting this function.";
} // namespace

bool RefusedWhileSweeping(Radio &radio)
{
    if (!radio.state.ScopeSweeping) {
        return false;
    }
    radio.host.beep();
    radio.host.messageBox(kSweepingText, "Band Scope", MsgIcon::Exclamation, MsgButtons::Ok);
    return true;
}

} // namespace dorv
