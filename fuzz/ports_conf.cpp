// The port map (ports.conf). Whatever it holds, each port 1..9 is a usable device name or
// has a reason why not; and the map agrees with its own editor: storing each usable port's
// device again, one after the other, leaves every port as it was loaded.

#include "FuzzCheck.h"
#include "cat/PortMap.h"
#include "cat/PortMapEdit.h"

using namespace dorv;
using namespace dorv::fuzz;

namespace {

bool SameMap(const PortMap &a, const PortMap &b)
{
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        if (a.device(n) != b.device(n) || a.problem(n) != b.problem(n)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    WriteWholeFile(dir / PortMap::kFileName, data, size);

    const PortMap loaded = PortMap::Load(dir.string());
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        const std::string &device = loaded.device(n);
        Require(device.empty() != loaded.problem(n).empty(), "a port has a device or a problem");
        for (const char c : device) {
            Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                    "a usable device name holds no control character");
        }
    }
    Require(loaded.device(0).empty() && loaded.device(10).empty(), "only ports 1..9 exist");

    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        if (loaded.device(n).empty()) {
            continue;
        }
        std::string error;
        Require(StorePortDevice(dir.string(), n, loaded.device(n), error), "a device is stored");
        Require(SameMap(PortMap::Load(dir.string()), loaded),
                "storing a port's own device changes no port");
    }
    return 0;
}
