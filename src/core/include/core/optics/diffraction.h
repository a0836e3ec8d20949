// SPDX-License-Identifier: MIT
// Diffraction against the circle of confusion: the Airy disc of the aperture,
// wider up close, where the light cone to the sensor is longer.
#pragma once

// Diameter of the Airy disc to its first dark ring, 2.44 λ N(1 + m), in
// metres, for green light: N(1 + m) is the effective f-number at
// magnification m (0 far away).
double AiryDiscDiameter(double aperture, double magnification);

// The Airy disc is wider than the circle of confusion coc (m): no aperture
// that small reaches the depth the circle promises.
bool DiffractionExceeds(double airyDisc, double coc);
