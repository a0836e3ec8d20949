// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// kadrel photo PHOTO [--json]: what the window would take from the photo.
int RunPhoto(int argc, char* argv[], std::FILE* out, std::FILE* err);
