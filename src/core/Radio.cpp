#include "Radio.h"

namespace dorv {

Radio::Radio(Host &host_, SerialPort &port_, std::string dataDir_)
    : host(host_), port(port_), dataDir(std::move(dataDir_)), link(*this), cat(*this), files(*this)
{
}

} // namespace dorv
