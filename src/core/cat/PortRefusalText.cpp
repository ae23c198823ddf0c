#include "cat/PortRefusalText.h"

namespace dorv {

namespace {

// The program retries a refused device, so access granted while it runs counts at once.
const char *const kOpensByItself = " The port opens by itself once it may.";

// Joining the device's group is the remedy only when the group may read and write it.
bool JoiningHelps(const PortRefusal &r)
{
    return !r.group.empty() && r.groupMayUse;
}

// "minicom, process 4711", "process 4711" or "" for the program that holds the device.
std::string Holder(const PortRefusal &r)
{
    const std::string pid = r.holderPid > 0 ? "process " + std::to_string(r.holderPid) : "";
    if (r.holder.empty()) {
        return pid;
    }
    return r.holder + (pid.empty() ? "" : ", " + pid);
}

std::string NoPermissionText(const PortRefusal &r)
{
    const std::string head = "No permission to use the serial device " + r.device + ".";
    if (!JoiningHelps(r)) {
        return head + " Only its owner" + (r.owner.empty() ? "" : " " + r.owner) +
               " may use it: ask the administrator of this computer for access." + kOpensByItself;
    }
    if (r.joinedGroupLater) {
        return head + " It belongs to group " + r.group +
               ", which you joined after logging in: log out and in again.";
    }
    return head + " It belongs to group " + r.group + "; add yourself with: sudo adduser $USER " +
           r.group + ", then log in again.";
}

std::string NoPermissionStatus(const PortRefusal &r)
{
    const std::string head = "No permission to use " + r.device;
    if (!JoiningHelps(r)) {
        return head + ": ask the administrator for access.";
    }
    if (r.joinedGroupLater) {
        return head + " until you log in again (group " + r.group + ").";
    }
    return head + ": sudo adduser $USER " + r.group + ", then log in again.";
}

} // namespace

std::string PortRefusalText(const PortRefusal &refusal)
{
    switch (refusal.reason) {
    case PortRefusal::Reason::NoPermission:
        return NoPermissionText(refusal);
    case PortRefusal::Reason::Busy: {
        const std::string holder = Holder(refusal);
        return "The serial device " + refusal.device + " is in use by another program" +
               (holder.empty() ? "" : " (" + holder + ")") + ": close it there." + kOpensByItself;
    }
    case PortRefusal::Reason::None:
        break;
    }
    return {};
}

std::string PortRefusalStatus(const PortRefusal &refusal)
{
    switch (refusal.reason) {
    case PortRefusal::Reason::NoPermission:
        return NoPermissionStatus(refusal);
    case PortRefusal::Reason::Busy: {
        const std::string holder = Holder(refusal);
        return refusal.device + " is in use by " + (holder.empty() ? "another program" : holder) +
               ".";
    }
    case PortRefusal::Reason::None:
        break;
    }
    return {};
}

} // namespace dorv
