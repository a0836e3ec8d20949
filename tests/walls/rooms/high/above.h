// SPDX-License-Identifier: MIT
#pragma once

#include "low/low.h"

struct Above : Low {};
