// SPDX-License-Identifier: MIT
// The start: a sub-command, an answer to --help or --version, or the window.
#pragma once

// Start-up to exit: 0 after a normal end, -1 when the window cannot be set up.
int KadrelMain(int argc, char* argv[]);
