// SPDX-License-Identifier: MIT
// `kadrel table`: the depth-of-field cards as CSV on stdout or as a PDF file.
#pragma once

#include <cstdio>

int RunTable(int argc, char* argv[], std::FILE* out, std::FILE* err);
