#include "Radio.h"

namespace dorv {

Radio::Radio(Host &host_, SerialPort &port_, std::string dataDir_)
    : host(host_), port(port_), dataDir(std::move(dataDir_)), link(host, port, state, panel),
      cat(host, state, panel, link), files(host, dataDir, state, panel),
      meters(host, state, panel, link, cat),
      power(host, state, panel, link, cat, files, meters, transmit, vfo, enablement, tuning, split,
            clar, mck, home, scan, search, pri),
      transmit(host, state, panel, cat, meters, enablement, tuning, scanRequests),
      vfo(host, state, panel, link, cat, meters, enablement, tuning, split, clar),
      enablement(host, state, panel, link, mck, quick),
      tuning(host, state, panel, link, cat, meters, enablement, memory),
      bands(host, state, panel, cat, meters, vfo, clar, keypad),
      keyboard(host, state, panel, cat, meters, power, transmit, vfo, enablement, tuning, bands,
               mode, tone, split, clar, keypad, memory, mck, quick, home, scan, pms, pri),
      mode(host, state, panel, cat, meters), tone(host, state, cat, keypad),
      split(host, state, panel, link, cat, meters, vfo, enablement, tuning, keypad, memory, mck,
            scanRequests),
      clar(host, state, panel, cat, enablement, tuning, keypad),
      keypad(host, state, panel, cat, meters, vfo, enablement, tuning, quick),
      memory(host, state, panel, cat, meters, vfo, enablement, tuning, split, clar, mck,
             scanRequests, files),
      mck(host, state, panel, vfo, enablement, tuning, memory),
      quick(host, state, panel, meters, vfo, enablement),
      home(host, state, panel, vfo, split, clar, memory, mck, scanRequests),
      scanCheck(state, panel, meters), scan(host, state, panel, link, cat, meters, scanCheck, vfo,
                                            enablement, tuning, keypad, memory),
      search(host, link, state, panel, meters, enablement, tuning, scan),
      pms(host, state, panel, cat, vfo, enablement, tuning, keypad, memory, mck, home,
          scanRequests),
      pri(host, state, panel, link, meters, scanCheck, vfo, enablement, tuning, keypad, memory,
          home, pms, scanRequests),
      intervals(state, panel, meters, scan, pri), txTimeOut(host, dataDir, panel, transmit),
      display(host, state, panel), settingsMenus(panel, link, files, intervals, display),
      memmgr(host, state, panel, memory), lock(host, state, panel), dialogs(host, state, cat),
      scope(host, dataDir, state, panel, link, cat, meters),
      net(host, state, panel, link, meters, transmit, vfo, mode, split, keypad),
      app(host, state, panel, files, power, enablement, txTimeOut, display, memmgr, lock, dialogs),
      portWatch(host, dataDir, state, panel, link, meters)
{
}

} // namespace dorv
