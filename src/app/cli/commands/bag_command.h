// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// kadrel bag: the bodies, lenses and pinned setups, one a line.
int RunBag(int argc, char* argv[], std::FILE* out, std::FILE* err);
