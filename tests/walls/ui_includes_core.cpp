// SPDX-License-Identifier: MIT
// Must not compile: the runtime knows nothing of cameras.
#include "core/optics/optics.h"
