#include "app/InfoOptions.h"

#include "app/Version.h"

#include <string_view>

namespace dorv::gui {

namespace {

constexpr const char *kHelp =
    "usage: dorv-ft897 [--help] [--version] [Qt options]\n"
    "\n"
    "A remote-control front panel for the FT-897 transceiver on a serial port.\n"
    "\n"
    "  --help       show this text and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Choose the radio's port under Settings > Serial Port and its rate under CAT Rate,\n"
    "then press POWER (the P key). The data files (bandinfo.dorv, ft897.dorv,\n"
    "homemem.dorv, ports.conf) live beside the program when its directory is writable,\n"
    "otherwise in the per-user application data directory. Help > Contents lists every\n"
    "key and menu.\n"
    "\n"
    "Environment: DORV_PANEL_DUMP=FILE writes a text dump of the panel to FILE.\n";

} // namespace

std::optional<int> AnswerInfoOptions(int argc, const char *const argv[], std::ostream &out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return 0;
        }
        if (arg == "--version") {
            out << "dorv-ft897 " << VersionNumber() << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace dorv::gui
