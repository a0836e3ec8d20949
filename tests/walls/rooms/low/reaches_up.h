// SPDX-License-Identifier: MIT
// Reaches a room above its own.
#pragma once

#include "high/high.h"
