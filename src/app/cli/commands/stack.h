// SPDX-License-Identifier: MIT
// `kadrel stack`: the frames that cover a zone in depth, as the Plan window
// gives them, as text or as CSV.
#pragma once

#include <cstdio>

int RunStack(int argc, char* argv[], std::FILE* out, std::FILE* err);
