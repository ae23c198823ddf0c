#include "cat/LinkStatus.h"

#include "cat/CatLink.h"
#include "model/RadioState.h"

namespace dorv {

std::string LinkStatusText(const RadioState &state, const std::string &device)
{
    const RadioState &s = state;
    const std::string separator = " \u00B7 ";
    return (s.PortReady ? device : std::string("None")) + separator +
           std::to_string(CatLink::RateFromIndex(s.Settings.CatRate)) + separator +
           (s.CatOn ? "on" : "off");
}

} // namespace dorv
