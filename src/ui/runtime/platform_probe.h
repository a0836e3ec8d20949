// SPDX-License-Identifier: MIT
// Qt ends the process when no platform plugin can start, so the runtime asks
// first: one of the platforms QT_QPA_PLATFORM lists (X when it is unset)
// must be installed, and X or Wayland must find its display server.
#pragma once

#include <xcb/xcb.h>

#include <memory>

namespace ui {

class PlatformProbe {
  public:
    // True when Qt will find a platform that starts.
    bool canStart();

  private:
    // Kept open until Qt has its own: an X server that loses its last client
    // resets, and would refuse Qt during the reset.
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> x_{nullptr, xcb_disconnect};
};

}  // namespace ui
