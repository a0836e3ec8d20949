// SPDX-License-Identifier: MIT
#pragma once

// The Tilt window (a tilted lens's wedge of sharpness, the tilt for a camera
// height): made on first use, beside the panel; it follows every report until
// it is closed, and goes with the panel.
void OpenTilt();
