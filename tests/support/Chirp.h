#pragma once

#include <filesystem>
#include <string>

namespace dorv::test {

// Debian's chirp package, through the system python3: its CSV driver writes and reads
// channel lists independently of our code.
class Chirp {
public:
    // Whether the driver can be imported; tests skip with kMissing when it cannot.
    static bool available();
    static constexpr const char *kMissing =
        "Debian package chirp is missing (system python3 cannot import "
        "chirp.drivers.generic_csv); scripts/install-deps.sh installs it";

    // Writes the test's dozen channels (repeaters, DCS, sideband, AM, split, skipped).
    static bool write(const std::filesystem::path &csv);
    // The channels the driver reads from a file, one line each, in location order:
    // location|name|Hz|duplex|offset Hz|tone mode|tone|mode|skip. Empty on failure.
    static std::string dump(const std::filesystem::path &csv);
};

} // namespace dorv::test
