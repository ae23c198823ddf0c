// The network server's configuration (rigctld.conf). Whatever it holds, the port loaded is
// one that can be listened on and the address is not empty; saved, it loads again the same.

#include "FuzzCheck.h"
#include "net/NetConfig.h"

using namespace dorv;
using namespace dorv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    WriteWholeFile(dir / NetConfig::kFileName, data, size);

    const NetConfig loaded = LoadNetConfig(dir.string());
    Require(loaded.Port >= 1 && loaded.Port <= 65535, "the port can be listened on");
    Require(!loaded.Address.empty(), "there is an address to listen on");

    Require(SaveNetConfig(dir.string(), loaded), "the configuration saves");
    Require(LoadNetConfig(dir.string()) == loaded, "a saved configuration loads the same");
    return 0;
}
