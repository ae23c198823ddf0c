#include "model/Version.h"

namespace dorv {

std::string VersionText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string VersionNumber()
{
    return DORV_VERSION_STRING;
}

std::string ProgramVersionText()
{
    return VersionText(DORV_VERSION_MAJOR, DORV_VERSION_MINOR, DORV_VERSION_PATCH);
}

} // namespace dorv
