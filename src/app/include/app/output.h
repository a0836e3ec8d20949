// The end of a command's output, as coreutils ends it: a write that failed on
// the way (a full disk, a closed pipe) is a failure, not a success.
#pragma once

#include <cstdio>

// Flushes out; 0 when everything written reached it, else 1 after saying
// "kadrel: write error: <reason>" on err.
int FinishOutput(std::FILE* out, std::FILE* err);
