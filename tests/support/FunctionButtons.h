#pragma once

#include "model/PanelState.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace dorv::test {

// Every function button of the panel with its name; each mode button is named "MODE" and
// each band button "BAND".
std::vector<std::pair<std::string, ButtonState *>> FunctionButtons(PanelState &p);

// Names of the enabled function buttons; "MODE" and "BAND" only when their whole group is.
std::set<std::string> EnabledButtons(PanelState &p);

} // namespace dorv::test
