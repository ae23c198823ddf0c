#include "net/RigctlServer.h"

#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Keypad.h"
#include "panel/ModeSelect.h"
#include "panel/SplitRepeater.h"
#include "panel/Transmit.h"
#include "panel/VfoOps.h"

#include <vector>

namespace dorv {

int RigctlServer::OpenClient(bool readOnly)
{
    const int id = nextId_++;
    Client &client = clients_[id];
    client.state.Id = id;
    client.readOnly = readOnly;
    ShowCount();
    return id;
}

void RigctlServer::CountRefused()
{
    ++refused_;
    ShowCount();
}

void RigctlServer::CloseClient(int client)
{
    // A client that keyed the transmitter and went (closed, reset, timed out) lets go of it.
    transmit_.LetGo(NetClientHolder(client));
    clients_.erase(client);
    ShowCount();
}

void RigctlServer::SetListening(bool listening)
{
    listening_ = listening;
    refused_ = 0;
    ShowCount();
}

void RigctlServer::ShowCount()
{
    panel_.NetClients = listening_ ? ClientCount() : -1;
    panel_.NetRefused = refused_;
    host_.panelChanged();
}

void RigctlServer::Receive(int client, const std::string &bytes)
{
    const auto it = clients_.find(client);
    if (it == clients_.end() || it->second.dropped) {
        return;
    }
    Client &c = it->second;
    for (const char ch : bytes) {
        c.input += ch;
        c.lineLength = ch == '\n' ? 0 : c.lineLength + 1;
        // An overlong line ends the connection as soon as it is too long, not when it ends.
        if (c.lineLength > kMaxLine) {
            DropClient(client);
            return;
        }
    }
    if (c.input.size() > kMaxQueued) {
        DropClient(client);
        return;
    }
    link_.Input([this] { Process(); });
}

bool RigctlServer::NextLine(Client &client, std::string &line)
{
    const std::size_t end = client.input.find('\n');
    if (end == std::string::npos) {
        return false;
    }
    line = client.input.substr(0, end);
    client.input.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

void RigctlServer::Process()
{
    if (running_) {
        return;
    }
    running_ = true;
    bool answered = true;
    while (answered) {
        answered = false;
        std::vector<int> ids;
        for (const auto &entry : clients_) {
            ids.push_back(entry.first);
        }
        for (const int id : ids) {
            // A client may have gone while an earlier request waited.
            const auto it = clients_.find(id);
            std::string line;
            if (it != clients_.end() && !it->second.dropped && NextLine(it->second, line)) {
                Answer(id, line);
                answered = true;
            }
        }
    }
    running_ = false;
}

void RigctlServer::Answer(int id, const std::string &line)
{
    const std::optional<RigctlRequest> request = ParseRigctlLine(line);
    if (!request) {
        // Blank lines are skipped, as hamlib's server does.
        if (line.find_first_not_of(" \t") != std::string::npos) {
            Reply(id, UnknownCommandAnswer());
        }
        return;
    }
    if (request->IsSet && clients_.at(id).readOnly) {
        RigctlAnswer refused;
        refused.Code = RigRejected;
        Reply(id, FormatRigctlAnswer(*request, refused));
        return;
    }
    // The client may go while a set waits: its state is worked on in a copy.
    RigctlClient state = clients_.at(id).state;
    const RigctlAnswer answer = commands_.Execute(*request, state);
    if (const auto it = clients_.find(id); it != clients_.end()) {
        it->second.state = state;
    }
    Reply(id, FormatRigctlAnswer(*request, answer));
    if (answer.Close) {
        DropClient(id);
    }
}

void RigctlServer::Reply(int id, const std::string &bytes)
{
    const auto it = clients_.find(id);
    if (it == clients_.end() || it->second.dropped || !Send) {
        return;
    }
    if (Send(id, bytes) > kMaxUnsent) {
        DropClient(id);
    }
}

void RigctlServer::DropClient(int id)
{
    const auto it = clients_.find(id);
    if (it == clients_.end() || it->second.dropped) {
        return;
    }
    it->second.dropped = true;
    it->second.input.clear();
    if (Drop) {
        Drop(id);
    }
}

} // namespace dorv
