// SPDX-License-Identifier: MIT
// Work the first frame need not wait for. Setting a window icon, say, makes
// an X server take pictures of it in four sizes: a user would rather see the
// panel first.
#pragma once

#include <functional>

namespace ui {

// Runs work from the event loop once a window has been painted; at once when
// one has been already. Work still waiting when the runtime closes is dropped.
void afterFirstFrame(std::function<void()> work);

}  // namespace ui
