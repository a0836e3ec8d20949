// Diffraction against the circle of confusion: the Airy disc of the aperture,
// wider up close, where the light cone to the sensor is longer.
#pragma once

// Green light, the usual reference for diffraction.
constexpr double kWavelength = 550e-9;  // m
// The Airy disc may grow to this many circles of confusion (pixels, with the
// one-pixel circle) before it blurs more than the circle allows.
constexpr double kAiryPixels = 2.0;

// Diameter of the Airy disc to its first dark ring, 2.44 λ N(1 + m), in
// metres: N(1 + m) is the effective f-number at magnification m (0 far away).
double AiryDiscDiameter(double aperture, double magnification);

// The Airy disc blurs more than a circle of confusion coc (m) allows.
bool DiffractionExceeds(double airyDisc, double coc);
