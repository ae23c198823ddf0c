#pragma once

namespace dorv {

class Enablement;
class Host;
class Meters;
struct PanelState;
struct RadioState;
class Scanner;
class CatLink;
class Tuning;

// SEARCH: an upward VFO scan through the tuning range (the PMS range in PMS state) that
// stores every centred FM signal it passes into a free memory and never stops on one.
class Search {
public:
    Search(Host &host, CatLink &link, RadioState &state, PanelState &panel, Meters &meters,
           Enablement &enablement, Tuning &tuning, Scanner &scan)
        : host_(host), link_(link), state_(state), panel_(panel), meters_(meters),
          enablement_(enablement), tuning_(tuning), scan_(scan)
    {
    }

    // Starts the search in FM (a warning in any other mode) or stops it.
    void SEARCHbutton_Click();

private:
    void Start();
    void Stop();

    Host &host_;

    CatLink &link_;

    RadioState &state_;

    PanelState &panel_;

    Meters &meters_;

    Enablement &enablement_;

    Tuning &tuning_;

    Scanner &scan_;
};

} // namespace dorv
