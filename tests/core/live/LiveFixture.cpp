#include "LiveFixture.h"

#include "model/files/BandDefaults.h"
#include "model/files/SettingsDefaults.h"

namespace dorv::test {

LiveFixture::LiveFixture(ft897sim::Options options)
    : engine(options), port(engine, [this] { return host.now(); }), radio(host, port, dir.string())
{
    s.Settings = DefaultSettings();
    s.Settings.CommPort = 1;
    s.Settings.Ars144 = false;
    s.Settings.Ars430 = false;
    InstallBandDefaults(s.BandTable);
    radio.link.OpenCommPort();
}

std::vector<CatFrame> LiveFixture::commandFrames() const
{
    return WithoutStatusRequests(engine.receivedFrames());
}

} // namespace dorv::test
