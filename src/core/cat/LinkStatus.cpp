#include "cat/LinkStatus.h"

#include "Radio.h"
#include "cat/CatLink.h"

namespace dorv {

std::string LinkStatusText(const Radio &radio, const std::string &device)
{
    const RadioState &s = radio.state;
    const std::string separator = " \u00B7 ";
    return (s.PortReady ? device : std::string("None")) + separator +
           std::to_string(CatLink::RateFromIndex(s.Settings.CatRate)) + separator +
           (s.CatOn ? "on" : "off");
}

} // namespace dorv
