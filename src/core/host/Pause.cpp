#include "host/Host.h"

namespace dorv {

void Pause(Host &host, double seconds)
{
    const double end = host.now() + seconds;
    while (host.now() < end) {
        host.yieldUntil(end);
    }
}

} // namespace dorv
