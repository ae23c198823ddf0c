#pragma once

namespace dorv {

class Host;
struct RadioState;

// SCAN, SEARCH and PRI retune the radio and read its status as the band scope's sweep
// does: none of them starts while a sweep runs. True, with the operator told, when the
// sweep is running.
bool RefusedWhileSweeping(const RadioState &state, Host &host);

} // namespace dorv
