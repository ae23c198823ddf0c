#include "app/InfoOptions.h"

#include "model/Version.h"

#include <array>
#include <string_view>

namespace dorv::gui {

namespace {

// Every option the program takes, one line each; the README lists the same lines.
constexpr const char *kOptionLines =
    "  --help                        show this text and exit\n"
    "  --version                     show the version and exit\n"
    "  --rigctld [ADDRESS:]PORT      serve the network control protocol there for this run\n"
    "  --rigctld-allow NET[,NET...]  with --rigctld: let in clients of these networks\n"
    "  --rigctld-readonly NET[,NET...]\n"
    "                                with --rigctld: let in clients of these networks to read\n"
    "                                only (beyond 127.0.0.1 one of the lists is needed)\n"
    "  --export-csv MEMFILE CSVFILE  write the channels of a memory file as a CSV list\n"
    "  --import-csv CSVFILE MEMFILE  put the channels of a CSV list into a memory file\n"
    "  --force                       with --import-csv: write the other rows when some are "
    "refused\n";

constexpr const char *kHelpHead =
    "usage: dorv-ft897 [--rigctld [ADDRESS:]PORT [--rigctld-allow NET[,NET...]]\n"
    "                  [--rigctld-readonly NET[,NET...]]] [Qt options]\n"
    "       dorv-ft897 --export-csv MEMFILE CSVFILE\n"
    "       dorv-ft897 --import-csv CSVFILE MEMFILE [--force]\n"
    "\n"
    "A remote-control front panel for the FT-897 transceiver on a serial port.\n"
    "\n";

constexpr const char *kHelpTail =
    "\n"
    "Choose the radio's port under Settings > Serial Port and its rate under CAT Rate,\n"
    "then press POWER (the P key). The data files (bandinfo.dorv, ft897.dorv,\n"
    "homemem.dorv, ports.conf) live beside the program when its directory is writable,\n"
    "otherwise in the per-user application data directory. Help > Contents lists every\n"
    "key and menu.\n"
    "\n"
    "Environment: DORV_PANEL_DUMP=FILE writes a text dump of the panel to FILE.\n";

// The options of the network server, each with a value, checked where they are used.
constexpr std::array<std::string_view, 3> kServerOptions{"--rigctld", "--rigctld-allow",
                                                         "--rigctld-readonly"};

// Whether `arg` is a server option, and whether its value follows it as the next argument.
bool ServerOption(const std::string &arg, bool &valueFollows)
{
    for (const std::string_view option : kServerOptions) {
        valueFollows = arg == option;
        if (valueFollows || arg.rfind(std::string(option) + "=", 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<int> AnswerInfoOptions(int argc, const char *const argv[], std::ostream &out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << kHelpHead << kOptionLines << kHelpTail;
            return 0;
        }
        if (arg == "--version") {
            out << "dorv-ft897 " << VersionNumber() << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

std::string CommandLineFault(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        bool valueFollows = false;
        if (!ServerOption(arg, valueFollows)) {
            return (arg.rfind('-', 0) == 0 ? "unknown option " : "unexpected argument ") + arg;
        }
        if (valueFollows) {
            ++i;
        }
    }
    return {};
}

} // namespace dorv::gui
