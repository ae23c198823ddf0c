// The network server's configuration (rigctld.conf). Whatever it holds, the port loaded is
// one that can be listened on, the address is not empty, the client lists hold whole
// entries and the idle time is in range; the rules the lists make either come with every
// entry a network or are refused with a reason; saved, it loads again the same.

#include "FuzzCheck.h"
#include "net/ClientAccess.h"
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
    Require(loaded.IdleSeconds >= 0 && loaded.IdleSeconds <= NetConfig::kMaxIdleSeconds,
            "the idle time is in range");
    for (const auto *list : {&loaded.Allow, &loaded.ReadOnly}) {
        for (const std::string &entry : *list) {
            Require(SplitNetworkList(entry) == std::vector<std::string>{entry},
                    "a list entry is one whole entry");
        }
    }
    std::string problem;
    const std::optional<AccessRules> rules = AccessRulesFor(loaded, problem);
    std::string error;
    const bool valid =
        ParseClientNetworks(loaded.Allow, error) && ParseClientNetworks(loaded.ReadOnly, error);
    Require(rules.has_value() == (valid && (IsLoopbackAddress(loaded.Address) ||
                                            !loaded.Allow.empty() || !loaded.ReadOnly.empty())),
            "rules come exactly from valid lists, and beyond loopback only from some list");
    Require(rules.has_value() || !problem.empty(), "a refusal says why");

    Require(SaveNetConfig(dir.string(), loaded), "the configuration saves");
    Require(LoadNetConfig(dir.string()) == loaded, "a saved configuration loads the same");
    return 0;
}
