// SPDX-License-Identifier: MIT
// Must not compile: the core knows nothing of the user interface.
#include "ui/userint.h"
