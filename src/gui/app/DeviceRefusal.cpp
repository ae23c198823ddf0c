#include "app/DeviceRefusal.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorv::gui {

namespace {

std::string UserName(uid_t uid)
{
    const passwd *pw = getpwuid(uid);
    return pw != nullptr ? pw->pw_name : std::to_string(uid);
}

bool ProcessHasGroup(gid_t gid)
{
    if (getegid() == gid) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int got = getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// Whether the group database lists this user in the group (or has it as the user's own).
bool UserListedInGroup(const group &gr)
{
    const passwd *me = getpwuid(getuid());
    if (me == nullptr) {
        return false;
    }
    if (me->pw_gid == gr.gr_gid) {
        return true;
    }
    for (char **member = gr.gr_mem; member != nullptr && *member != nullptr; ++member) {
        if (std::strcmp(*member, me->pw_name) == 0) {
            return true;
        }
    }
    return false;
}

PortRefusal NoPermission(const std::string &device, const struct stat &st)
{
    PortRefusal r;
    r.reason = PortRefusal::Reason::NoPermission;
    r.device = device;
    r.owner = UserName(st.st_uid);
    const mode_t readWrite = S_IRGRP | S_IWGRP;
    r.groupMayUse = (st.st_mode & readWrite) == readWrite;
    if (const group *gr = getgrgid(st.st_gid)) {
        r.group = gr->gr_name;
        r.joinedGroupLater = UserListedInGroup(*gr) && !ProcessHasGroup(st.st_gid);
    } else {
        r.group = std::to_string(st.st_gid);
    }
    return r;
}

// The lock file names serial programs use for a device: "LCK.." and the name below /dev
// with '/' as '_', for the path given and for the device it leads to.
std::vector<std::string> LockFileNames(const std::string &device)
{
    std::vector<std::string> names;
    auto add = [&names](std::string path) {
        if (path.rfind("/dev/", 0) == 0) {
            path.erase(0, 5);
        }
        std::replace(path.begin(), path.end(), '/', '_');
        const std::string name = "LCK.." + path;
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    };
    add(device);
    if (char *real = realpath(device.c_str(), nullptr)) {
        add(real);
        std::free(real);
    }
    return names;
}

bool ProcessAlive(long pid)
{
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

std::string ProcessName(long pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

std::vector<std::string> DefaultLockDirectories()
{
    return {"/var/lock", "/run/lock", "/var/spool/locks", "/var/spool/uucp", "/tmp"};
}

bool ReadLockHolder(const std::string &path, PortRefusal &refusal)
{
    std::ifstream in(path);
    long pid = 0;
    if (!(in >> pid) || !ProcessAlive(pid)) {
        return false;
    }
    std::string named;
    std::getline(in, named); // the rest of the pid's line
    std::getline(in, named);
    const std::string running = ProcessName(pid);
    refusal.holderPid = pid;
    refusal.holder = running.empty() ? named : running;
    return true;
}

PortRefusal DiagnoseRefusal(const std::string &device, const std::string &systemError,
                            const std::vector<std::string> &lockDirs)
{
    struct stat st {};
    if (stat(device.c_str(), &st) != 0) {
        return {};
    }
    if (access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        return NoPermission(device, st);
    }
    PortRefusal busy;
    busy.reason = PortRefusal::Reason::Busy;
    busy.device = device;
    for (const std::string &dir : lockDirs) {
        for (const std::string &name : LockFileNames(device)) {
            if (ReadLockHolder(dir + "/" + name, busy) && busy.holderPid != getpid()) {
                return busy;
            }
        }
    }
    // Held open exclusively by another program, which leaves no lock file.
    busy.holder.clear();
    busy.holderPid = 0;
    return systemError == std::strerror(EBUSY) ? busy : PortRefusal{};
}

} // namespace dorv::gui
