#include "app/Version.h"

namespace dorv {

namespace {

// A number as the splash writes it: a minus sign or a blank, then the digits.
std::string Signed(int value)
{
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -static_cast<long>(value) : value);
}

} // namespace

std::string VersionText(int major, int minor, int revision)
{
    return "Version " + Signed(major) + "." + Signed(minor) + "." + Signed(revision);
}

std::string ProgramVersionText()
{
    return VersionText(DORV_VERSION_MAJOR, DORV_VERSION_MINOR, DORV_VERSION_PATCH);
}

} // namespace dorv
