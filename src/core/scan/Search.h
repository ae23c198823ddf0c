#pragma once

namespace dorv {

class Radio;

// SEARCH: an upward VFO scan through the tuning range (the PMS range in PMS state) that
// stores every centred FM signal it passes into a free memory and never stops on one.
class Search {
public:
    explicit Search(Radio &radio) : radio_(radio) {}

    // Starts the search in FM (a warning in any other mode) or stops it.
    void SEARCHbutton_Click();

private:
    void Start();
    void Stop();

    Radio &radio_;
};

} // namespace dorv
