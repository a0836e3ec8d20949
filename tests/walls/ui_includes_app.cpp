// SPDX-License-Identifier: MIT
// Must not compile: the runtime knows nothing of the program.
#include "program/kadrel.h"
