#pragma once

#include "model/Event.h"

namespace dorv {

// What the panel's buttons need from the scanning functions above them: the priority
// monitor ended (MOX, VFO/M, a HOME recall), and the programmable memory scan's state left
// (VFO/M in PMS) or entered again (a HOME recall or split ending in PMS).
struct ScanRequests {
    Event<> endPriorityMonitor;
    Event<> leavePms;
    Event<> reenterPms;
};

} // namespace dorv
