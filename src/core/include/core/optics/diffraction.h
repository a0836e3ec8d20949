// SPDX-License-Identifier: MIT
// Diffraction against the circle of confusion: the Airy disc of the aperture,
// wider up close, where the light cone to the sensor is longer.
#pragma once

// Diameter of the Airy disc to its first dark ring, 2.44 λ N(1 + m/P), in
// metres, for green light: N(1 + m/P) is the effective f-number at
// magnification m (0 far away) of a lens of pupil magnification P.
double AiryDiscDiameter(double aperture, double magnification, double pupil);

// The Airy disc is wider than the circle of confusion coc (m): no aperture
// that small reaches the depth the circle promises.
bool DiffractionExceeds(double airyDisc, double coc);

// N(1 + m/P): the effective f-number at magnification m of a lens whose exit
// pupil is P times its entrance pupil; N(1 + m) for a symmetric lens.
double EffectiveAperture(double aperture, double magnification, double pupil);

// Depth by wave optics, 4 λ N_eff² / m² (Conrad, "Depth of Field in Depth"):
// the zone a lens limited by diffraction holds sharp at magnification m. Up
// close at small apertures it exceeds the geometric depth and governs.
double WaveDepth(double effectiveAperture, double magnification);
