#pragma once

#include "cat/CatFrame.h"

namespace dorv {

class Radio;

// The serial link to the radio: which port and rate, opening it, writing frames.
class CatLink {
public:
    explicit CatLink(Radio &radio) : radio_(radio) {}

    void OpenCommPort();
    void mnuCommPortArray_Click(int Index);
    void mnuCatRate_Click(int Index);

    void write(const CatFrame &frame);

    static int RateFromIndex(int catRate);

private:
    void checkPortMenu(int Index);

    Radio &radio_;
};

} // namespace dorv
