// SPDX-License-Identifier: MIT
// The bag on the command line.
#pragma once

#include <cstdio>
#include <string>

#include "core/optics/optics.h"

// bag.ini beside kadrel.ini as the window finds it, read once a run; a bag
// that cannot be read is said on err.
void ReadBagOnce(std::FILE* err);

// The command line's --body NAME and --lens NAME over the bag, a unique
// start of a name enough: the body's sensor, or the lens's focal range and
// widest aperture as Use lens takes them. "", or why not, listing the names
// that could be meant.
std::string ApplyBagOption(const char* option, const std::string& name, Settings* settings,
                           std::FILE* err);
