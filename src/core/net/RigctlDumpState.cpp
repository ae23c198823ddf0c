#include "net/RigctlDumpState.h"

#include "model/CodeTables.h"

namespace dorv {

namespace {

// The FT-897 as model 1023: receive ranges, transmit ranges with their power limits in mW,
// tuning steps and filters per mode mask, then the limits and capability masks. The levels
// read are those the panel has: signal strength, and power output and SWR while
// transmitting (the radio's ALC meter is never read).
constexpr const char *kCaps = R"(1
1023
0
100000.000000 56000000.000000 0x8bf -1 -1 0x0 0x0
76000000.000000 108000000.000000 0x40 -1 -1 0x0 0x0
118000000.000000 164000000.000000 0x8bf -1 -1 0x0 0x0
420000000.000000 470000000.000000 0x8bf -1 -1 0x0 0x0
0 0 0 0 0 0 0
1810000.000000 2000000.000000 0x83f 10000 100000 0x3 0x0
3500000.000000 3800000.000000 0x83f 10000 100000 0x3 0x0
7000000.000000 7200000.000000 0x83f 10000 100000 0x3 0x0
10100000.000000 10150000.000000 0x83f 10000 100000 0x3 0x0
14000000.000000 14350000.000000 0x83f 10000 100000 0x3 0x0
18068000.000000 18168000.000000 0x83f 10000 100000 0x3 0x0
21000000.000000 21450000.000000 0x83f 10000 100000 0x3 0x0
24890000.000000 24990000.000000 0x83f 10000 100000 0x3 0x0
28000000.000000 29700000.000000 0x83f 10000 100000 0x3 0x0
50000000.000000 54000000.000000 0x83f 10000 100000 0x3 0x0
1810000.000000 2000000.000000 0x1 2500 25000 0x3 0x0
3500000.000000 3800000.000000 0x1 2500 25000 0x3 0x0
7000000.000000 7200000.000000 0x1 2500 25000 0x3 0x0
10100000.000000 10150000.000000 0x1 2500 25000 0x3 0x0
14000000.000000 14350000.000000 0x1 2500 25000 0x3 0x0
18068000.000000 18168000.000000 0x1 2500 25000 0x3 0x0
21000000.000000 21450000.000000 0x1 2500 25000 0x3 0x0
24890000.000000 24990000.000000 0x1 2500 25000 0x3 0x0
28000000.000000 29700000.000000 0x1 2500 25000 0x3 0x0
50000000.000000 54000000.000000 0x1 2500 25000 0x3 0x0
144000000.000000 146000000.000000 0x83f 5000 50000 0x3 0x0
144000000.000000 146000000.000000 0x1 2500 25000 0x3 0x0
430000000.000000 440000000.000000 0x83f 2000 20000 0x3 0x0
430000000.000000 440000000.000000 0x1 500 5000 0x3 0x0
0 0 0 0 0 0 0
0x8e 10
0x8e 100
0x21 10
0x21 100
0 0
0xffffffff 0
0 0
9990
0
0
0


0x0
0x201010030
0x54001000
0x2000000000000
0x0
0x0
)";

// The key list. Unlike hamlib's own FT-897 backend this server selects and reads the VFOs
// (the panel's SUB button), so it says it has set_vfo and get_vfo.
constexpr const char *kKeysBeforeVersion = R"(vfo_ops=0x1000
ptt_type=0x1
targetable_vfo=0x0
has_set_vfo=1
has_get_vfo=1
has_set_freq=1
has_get_freq=1
has_set_conf=0
has_get_conf=0
has_power2mW=0
has_mW2power=0
timeout=200
rig_model=1023
)";

// The tone and code lists are the ones the panel offers, so a client is never told of a
// tone it could not set on the panel, in a memory or through a channel list.
std::string ToneLists()
{
    std::string out = "ctcss_list=";
    for (const std::int16_t tenths : CtcssToneTable()) {
        out += " " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    }
    out += "\ndcs_list=";
    for (const std::int16_t code : DcsCodeTable()) {
        out += " " + std::to_string(code);
    }
    return out + "\n";
}

} // namespace

std::string RigctlDumpState(bool withKeys)
{
    if (!withKeys) {
        return kCaps;
    }
    const std::string version = std::to_string(DORV_VERSION_MAJOR) + "." +
                                std::to_string(DORV_VERSION_MINOR) + "." +
                                std::to_string(DORV_VERSION_PATCH);
    return std::string(kCaps) + kKeysBeforeVersion + "rigctld_version=DORV FT-897 " + version +
           "\nagc_levels=\n" + ToneLists() + "done\n";
}

} // namespace dorv
