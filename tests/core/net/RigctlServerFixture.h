#pragma once

#include "core/live/LiveFixture.h"

#include <map>
#include <string>
#include <vector>

namespace dorv::test {

// The server on a live simulated radio, with the answers each client was sent collected.
class RigctlServerTest : public LiveFixture {
protected:
    RigctlServerTest()
    {
        s.Settings.TuneOnStartup = false;
        s.BandTable.BandMainVfo[1] = {14500000, ModeFM};
        s.BandTable.BandSubVfo[9] = {710000, ModeLSB};
        s.BandTable.LastMainBand = 1;
        s.BandTable.LastSubBand = 9;
        radio.power.CATbutton_Click();
        engine.clearLog();
        net.Send = [this](int client, const std::string &bytes) {
            sent[client] += bytes;
            return unsent;
        };
        net.Drop = [this](int client) { dropped.push_back(client); };
        net.SetListening(true);
        client = net.OpenClient();
    }

    // The answer to one request line of the client.
    std::string ask(const std::string &line) { return askFrom(client, line); }
    std::string askFrom(int id, const std::string &line)
    {
        sent[id].clear();
        net.Receive(id, line + "\n");
        return sent[id];
    }

    RigctlServer &net = radio.net;
    int client = 0;
    std::map<int, std::string> sent;
    std::vector<int> dropped;
    std::size_t unsent = 0;
};

} // namespace dorv::test
