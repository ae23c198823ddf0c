#include "LiveFixture.h"

#include "model/files/BandDefaults.h"
#include "model/files/SettingsDefaults.h"

#include <stdlib.h>

namespace dorv::test {

namespace {

std::filesystem::path MakeTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "dorv-live-XXXXXX").string();
    return mkdtemp(pattern.data());
}

} // namespace

LiveFixture::LiveFixture(ft897sim::Options options)
    : engine(options), port(engine, [this] { return host.now(); }), dir(MakeTempDir()),
      radio(host, port, dir.string())
{
    s.Settings = DefaultSettings();
    s.Settings.CommPort = 1;
    s.Settings.Ars144 = false;
    s.Settings.Ars430 = false;
    InstallBandDefaults(s.BandTable);
    radio.link.OpenCommPort();
}

LiveFixture::~LiveFixture()
{
    std::filesystem::remove_all(dir);
}

std::vector<CatFrame> LiveFixture::commandFrames() const
{
    return WithoutStatusRequests(engine.receivedFrames());
}

} // namespace dorv::test
