#pragma once

#include "net/RigctlCommands.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>

namespace dorv {

class CatLink;
class Host;
class Keypad;
class Meters;
class ModeSelect;
struct PanelState;
struct RadioState;
class SplitRepeater;
class Transmit;
class VfoOps;

// The protocol side of the network control server: one input buffer per connected client,
// cut into lines and answered in order. The socket side lives in the GUI and calls in with
// what each client sent; answers and disconnections go out through Send and Drop.
//
// Requests run one at a time. A set waits on the radio while events run, so bytes of any
// client that arrive meanwhile only queue up and are answered once it has finished. Like
// panel input, requests are answered through the link's input (CatLink::Input), so none
// runs inside a sequence of frames.
// No client can hold the panel up or grow memory without bound: a line longer than
// kMaxLine, more than kMaxQueued bytes waiting to be read, or more than kMaxUnsent bytes of
// answers the client has not taken, drop it.
//
// A read-only client's sets are answered RigRejected before they reach the radio: it may
// read, and nothing it sends changes the radio or keys the transmitter.
class RigctlServer {
public:
    RigctlServer(Host &host, RadioState &state, PanelState &panel, CatLink &link, Meters &meters,
                 Transmit &transmit, VfoOps &vfo, ModeSelect &mode, SplitRepeater &split,
                 Keypad &keypad)
        : host_(host), state_(state), panel_(panel), link_(link), meters_(meters),
          transmit_(transmit), vfo_(vfo), mode_(mode), split_(split), keypad_(keypad),
          commands_(state, panel, meters, transmit, vfo, mode, split, keypad)
    {
    }

    static constexpr std::size_t kMaxLine = 1024;
    static constexpr std::size_t kMaxQueued = 16 * 1024;
    static constexpr std::size_t kMaxUnsent = 64 * 1024;

    // Writes an answer to a client; returns the bytes that still wait to go out to it.
    std::function<std::size_t(int client, const std::string &bytes)> Send;
    // Ends a client's connection; CloseClient follows once it is closed.
    std::function<void(int client)> Drop;

    int OpenClient(bool readOnly = false);
    void CloseClient(int client);
    // A connection was turned away (not on a listed network, or too many clients): counted
    // for the panel until the server listens anew.
    void CountRefused();
    void Receive(int client, const std::string &bytes);
    int ClientCount() const { return static_cast<int>(clients_.size()); }

    // The server is listening (the panel shows the client count) or not.
    void SetListening(bool listening);

private:
    struct Client {
        std::string input;          // bytes received and not yet taken as a line
        std::size_t lineLength = 0; // bytes of the unfinished last line of input
        bool readOnly = false;      // its sets are refused
        bool dropped = false;       // a drop was asked for: nothing more is read or answered
        RigctlClient state;
    };

    // Answers waiting lines, one line of each client in turn, until none waits. Re-entered
    // from a set's wait it returns at once: the outer call picks up the new lines.
    void Process();
    // Takes the client's next complete line; false when there is none.
    bool NextLine(Client &client, std::string &line);
    void Answer(int id, const std::string &line);
    void Reply(int id, const std::string &bytes);
    void DropClient(int id);
    // Shows the clients connected and refused in the panel.
    void ShowCount();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    Meters &meters_;

    Transmit &transmit_;

    VfoOps &vfo_;

    ModeSelect &mode_;

    SplitRepeater &split_;

    Keypad &keypad_;
    RigctlCommands commands_;
    std::map<int, Client> clients_;
    int nextId_ = 1;
    int refused_ = 0;
    bool running_ = false;
    bool listening_ = false;
};

} // namespace dorv
