// SPDX-License-Identifier: MIT
// A focus plan as comma-separated values, one row per shot, in metres.
#pragma once

#include <string>

#include "core/planning/focus_stack.h"

// A header row, then the stack's shots ("stack") and the bracketing's
// ("hyperfocal"; none when it was not planned). The first shot of each has
// no step.
std::string StackCsv(const StackPlan& stack, const StackPlan& bracket);
