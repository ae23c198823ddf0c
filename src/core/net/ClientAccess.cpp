#include "net/ClientAccess.h"

#include "net/NetConfig.h"

#include <algorithm>

namespace dorv {

namespace {

bool OnAny(const std::vector<ClientNetwork> &networks, const IpAddress &peer)
{
    return std::any_of(networks.begin(), networks.end(),
                       [&](const ClientNetwork &network) { return network.Contains(peer); });
}

} // namespace

ClientAccess AccessRules::For(const IpAddress &peer) const
{
    if (OnAny(readOnly_, peer)) {
        return ClientAccess::ReadOnly;
    }
    if (OnAny(allowed_, peer) || (allowed_.empty() && readOnly_.empty())) {
        return ClientAccess::Full;
    }
    return ClientAccess::Refused;
}

std::optional<AccessRules> AccessRulesFor(const NetConfig &config, std::string &problem)
{
    std::string error;
    const auto allowed = ParseClientNetworks(config.Allow, error);
    if (!allowed) {
        problem = "allowed clients: " + error;
        return std::nullopt;
    }
    const auto readOnly = ParseClientNetworks(config.ReadOnly, error);
    if (!readOnly) {
        problem = "read-only clients: " + error;
        return std::nullopt;
    }
    if (!IsLoopbackAddress(config.Address) && allowed->empty() && readOnly->empty()) {
        problem = "a server on " + config.Address +
                  " can be reached from other computers, so it needs a list of the client "
                  "networks it lets in";
        return std::nullopt;
    }
    return AccessRules(*allowed, *readOnly);
}

} // namespace dorv
