// SPDX-License-Identifier: MIT
// `kadrel dof`: every figure for one camera at one subject distance.
#pragma once

#include <cstdio>

int RunDof(int argc, char* argv[], std::FILE* out, std::FILE* err);
