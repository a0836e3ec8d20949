// SPDX-License-Identifier: MIT
// The start-up benchmark's finish line: once the first window with the
// panel's title has been exposed and painted, the time is written to the file
// descriptor named by KADREL_FIRST_FRAME_FD, if any, and the event loop ends.
#pragma once

void QuitAfterFirstPaint();
