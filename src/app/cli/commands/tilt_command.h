// SPDX-License-Identifier: MIT
// `kadrel tilt`: the wedge of sharpness of a tilted lens, for a tilt given or
// for the tilt that lays the plane of focus on the ground.
#pragma once

#include <cstdio>

int RunTilt(int argc, char* argv[], std::FILE* out, std::FILE* err);
