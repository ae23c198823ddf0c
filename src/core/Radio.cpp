#include "Radio.h"

namespace dorv {

Radio::Radio(Host &host_, SerialPort &port_, std::string dataDir_)
    : host(host_), port(port_), dataDir(std::move(dataDir_)), link(*this), cat(*this), files(*this),
      meters(*this), power(*this), transmit(*this), vfo(*this), enablement(*this), tuning(*this),
      bands(*this), keyboard(*this), mode(*this), tone(*this), split(*this), clar(*this),
      keypad(*this), memory(*this), mck(*this), quick(*this), home(*this), scan(*this),
      search(*this), pms(*this), pri(*this), intervals(*this), txTimeOut(*this), display(*this),
      memmgr(*this), lock(*this), dialogs(*this), scope(*this), net(*this), app(*this),
      portWatch(*this)
{
}

} // namespace dorv
