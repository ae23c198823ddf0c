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
    // Ends a HOME recall: the operating state is entered again, which brings back the VFOs
    // (or the memory) in use before the recall and switches off a split the recall
    // switched on.
    void ReturnFromRecall();

private:
    void store();
    void recall();

    Radio &radio_;
};

} // namespace dorv
