#pragma once

namespace dorv {

class Radio;

// HOME: one favourite channel per band. During MCK it stores the VFOs as the HOME channel
// of the main VFO's band; otherwise it recalls that channel, and a second press returns to
// what the panel did before.
class HomeChannels {
public:
    explicit HomeChannels(Radio &radio) : radio_(radio) {}

    void HOMEbutton_Click();

private:
    void store();
    void recall();
    void returnFromRecall();

    Radio &radio_;
};

} // namespace dorv
