#include "support/RecordingRadio.h"

#include "model/StepDefaults.h"
#include "model/files/BandDefaults.h"

namespace dorv::test {

void RecordingRadio::linkOnInVfoState()
{
    port.opened = true;
    InstallBandDefaults(s.BandTable);
    ResetStepDefaults(s.Settings);
    s.CatOn = true;
    s.PortReady = true;
    s.OperatingState = StateVFO;
}

} // namespace dorv::test
