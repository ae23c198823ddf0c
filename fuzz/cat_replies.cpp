// What the radio sends back on the serial line, wherever the program awaits a reply: the
// receiver status of the meter, the scan and the band scope, the transmitter status, and
// the frequency and mode read back at power-on and by SYNC. The input says, for each frame
// the program writes, after how long which bytes come back (none, too few, too many,
// garbage); the first byte picks what the panel does meanwhile. Whatever comes, the panel
// keeps usable values, every action ends in time on the virtual clock, a radio that falls
// silent is reported as such, and one that answers again is taken up again.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "cat/Meters.h"
#include "cat/RoundTrip.h"

#include <deque>
#include <functional>

using namespace dorv;
using namespace dorv::fuzz;

namespace {

constexpr double kReplyDelayUnit = 0.002; // seconds per step of a reply's delay
constexpr double kLongestAction = 10.0;   // seconds on the virtual clock

// The radio's side of the line, played from the input: for each frame written, one reply
// of up to 15 bytes after up to 0.5 s; once the input is spent, none. Then it can be made
// silent whatever the input holds, or answer every request as a radio does.
class ScriptedPort : public SerialPort {
public:
    ScriptedPort(InputReader &script, std::function<double()> clock)
        : script_(script), clock_(std::move(clock))
    {
    }

    bool open(const SerialSettings &) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::string errorString() const override { return {}; }
    void write(const Bytes &bytes) override;
    int bytesAvailable() override;
    Bytes read(int maxBytes) override;
    void discardInput() override;

    enum class Mode { Scripted, Silent, Answering };
    Mode mode = Mode::Scripted;

private:
    struct Arrival {
        double time;
        std::uint8_t byte;
    };
    void arrive(const Bytes &bytes, double delay);

    InputReader &script_;
    std::function<double()> clock_;
    bool open_ = false;
    std::deque<Arrival> line_; // in order of arrival
};

void ScriptedPort::write(const Bytes &bytes)
{
    Require(bytes.size() == 5, "the program writes whole frames");
    if (mode == Mode::Scripted && !script_.empty()) {
        const double delay = script_.byte() * kReplyDelayUnit;
        arrive(script_.bytes(script_.byte() & 0x0F), delay);
    } else if (mode == Mode::Answering && bytes[4] == Opcode::ReadFreqMode) {
        arrive({0x01, 0x42, 0x00, 0x00, 0x01}, 0.02); // 14.200 MHz USB
    } else if (mode == Mode::Answering &&
               (bytes[4] == Opcode::RxStatus || bytes[4] == Opcode::TxStatus)) {
        arrive({0x85}, 0.02);
    }
}

void ScriptedPort::arrive(const Bytes &bytes, double delay)
{
    const double time = std::max(clock_() + delay, line_.empty() ? 0.0 : line_.back().time);
    for (const std::uint8_t byte : bytes) {
        line_.push_back({time, byte});
    }
}

int ScriptedPort::bytesAvailable()
{
    int count = 0;
    for (const Arrival &arrival : line_) {
        if (arrival.time > clock_()) {
            break;
        }
        ++count;
    }
    return count;
}

Bytes ScriptedPort::read(int maxBytes)
{
    Bytes out;
    while (static_cast<int>(out.size()) < maxBytes && !line_.empty() &&
           line_.front().time <= clock_()) {
        out.push_back(line_.front().byte);
        line_.pop_front();
    }
    return out;
}

void ScriptedPort::discardInput()
{
    read(static_cast<int>(line_.size()));
}

class Bench {
public:
    explicit Bench(InputReader &script)
        : port(script, [this] { return host.now(); }), radio(host, port, FreshScratchDir().string())
    {
        host.yieldStep = 0.005;
    }

    // Runs a panel action and lets the clock run on for `after` seconds.
    void act(const std::function<void()> &action, double after = 0)
    {
        const double began = host.now();
        action();
        Require(host.now() - began < kLongestAction, "a panel action ends in time");
        host.run(after);
        RequireUsable();
    }

    void RequireUsable() const
    {
        const RadioState &s = radio.state;
        for (const VfoInfo *vfo : {&s.MainVfo, &s.SubVfo}) {
            RequireUsableIndexes(*vfo);
            Require(vfo->Frequency >= 0 && vfo->Frequency <= 99999999,
                    "a VFO holds a frequency the radio can be sent");
        }
        Require(s.MainBand >= 0 && s.MainBand < kBandCount && s.SubBand >= 0 &&
                    s.SubBand < kBandCount,
                "the VFOs are on bands");
        const PanelState &p = radio.panel;
        Require(p.LMeter[0].End >= 0 && p.LMeter[0].End <= 31,
                "the S-meter reads what five bits hold");
    }

    test::FakeHost host;
    ScriptedPort port;
    Radio radio;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReader script(data, size);
    const int activity = script.byte() % 4;
    Bench bench(script);
    Radio &radio = bench.radio;

    bench.act([&] { StartWithLinkOn(radio, bench.host, true); }, 2.0);
    bench.act([&] { radio.power.SYNCbutton_Click(); }, 1.0);
    // A scan, search or sweep step waits for its reply until the operator stops it, as
    // here two seconds on.
    const auto stopAfterTwoSeconds = [&](std::function<void()> press) {
        bench.host.at(bench.host.now() + 2.0, std::move(press));
    };
    switch (activity) {
    case 0:
        bench.act([&] { radio.transmit.MOXbutton_Click(); }, 2.0);
        bench.act([&] { radio.transmit.MOXbutton_Click(); });
        break;
    case 1:
        bench.act([&] { radio.scan.SCANbutton_Click(); });
        stopAfterTwoSeconds([&] {
            if (radio.state.ScanOn) {
                radio.scan.SCANbutton_Click();
            }
        });
        bench.act([&] { radio.scan.btnJogUp_Click(); }, 2.5);
        Require(!radio.state.ScanOn, "SCAN ends the scan");
        break;
    case 2:
        stopAfterTwoSeconds([&] {
            if (radio.state.SearchOn) {
                radio.search.SEARCHbutton_Click();
            }
        });
        bench.act([&] { radio.search.SEARCHbutton_Click(); }, 2.5);
        Require(!radio.state.SearchOn, "SEARCH ends the search");
        break;
    default:
        bench.act([&] { radio.scope.SCOPEbutton_Click(); });
        stopAfterTwoSeconds([&] {
            if (radio.scope.Sweeping()) {
                radio.scope.cmdSCAN_Click();
            }
        });
        bench.act([&] { radio.scope.cmdSCAN_Click(); }, 2.5);
        Require(!radio.scope.Sweeping(), "STOP ends the sweep");
        bench.act([&] { radio.scope.Form_Unload(); });
        break;
    }

    bench.act([] {}, 2.0);
    bench.port.mode = ScriptedPort::Mode::Silent;
    // Each poll that counts towards silence waits as long as this link has taken to answer
    // (at most the longest reply wait), and the meter's interval (a second) on top.
    bench.act([] {}, Meters::kSilentPolls * (RoundTrip::kLongestSeconds + 1.0));
    Require(radio.panel.RadioNotAnswering, "a silent radio is reported");
    bench.port.mode = ScriptedPort::Mode::Answering;
    bench.act([] {}, 4.0);
    Require(!radio.panel.RadioNotAnswering, "a radio that answers again is taken up");
    return 0;
}
