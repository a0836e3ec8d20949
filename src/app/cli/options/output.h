// SPDX-License-Identifier: MIT
// The end of a command's output, as coreutils ends it: a write that failed on
// the way (a full disk, a closed pipe) is a failure, not a success.
#pragma once

#include <cstdio>
#include <string>

// Writes text to out. A text longer than out's buffer fails on the way rather
// than at the flush, so the reason is kept here for FinishOutput to tell.
void WriteOutput(std::FILE* out, const std::string& text);

// Flushes out; 0 when everything written reached it, else 1 after saying
// "kadrel: write error: <reason>" on err.
int FinishOutput(std::FILE* out, std::FILE* err);
