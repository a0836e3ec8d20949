// SPDX-License-Identifier: MIT
// Must not compile: the platform room knows nothing of the rooms above it.
#include "core/optics/optics.h"
