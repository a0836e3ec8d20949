// SPDX-License-Identifier: MIT
// Reference values: numbers quoted to some decimals (equal within one unit of
// the last decimal quoted), the worked-example report and the factory file.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

inline ::testing::AssertionResult MatchesDigits(const char* expr, const char*, double actual,
                                                const char* quoted) {
    const char* dot = std::strchr(quoted, '.');
    const int decimals = dot ? static_cast<int>(std::strlen(dot + 1)) : 0;
    const double expected = std::atof(quoted);
    const double unit = std::pow(10.0, -decimals);
    if (std::fabs(actual - expected) <= unit) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << expr << " is " << ::testing::PrintToString(actual) << ", expected " << quoted;
}

#define EXPECT_DIGITS(actual, quoted) EXPECT_PRED_FORMAT2(MatchesDigits, actual, quoted)

// The report for the factory settings with the cursor at 2 m.
inline constexpr char kWorkedExampleReport[] =
    "Hyperfocal dist.25.63 m\n"
    "Object distance 2.00 m\n"
    "Scale           0.53 mm/pix\n"
    "Field size WxH  1.85x1.24 m = 2.29 m\xc2\xb2\n"
    "Rear dof        0.17 m\n"
    "Front dof       0.14 m\n"
    "Depth Of Field  0.31 m";

// kadrel.ini as written for the factory settings.
inline constexpr char kFactoryFile[] =
    "# -------------------------------------------------------\n"
    "# kadrel.ini\n"
    "# config file for the program kadrel\n"
    "# kadrel contributors - kadrel project - 2005\n"
    "# -------------------------------------------------------\n"
    "#\n"
    "# taille du capteur CMOS en mm\n"
    "XSIZE = 22.5\t# x\n"
    "YSIZE = 15.0\t# y\n"
    "# resolution du capteur CMOS en pixel\n"
    "XRESOL = 3504\t# x\n"
    "YRESOL = 2336\t# y\n"
    "# kadrel objectif (mm)\n"
    "FOCAL = 24.0\n"
    "# distance maxi (m)\n"
    "DMAX = 10.0\n";

// The clipboard's text for the factory camera with the cursor at 10 m.
inline constexpr char kFactoryAtTenMetresText[] =
    "Sensor 22.50 x 15.00 mm, 3504 x 2336 pixels; focal length 24.00 mm; f/3.50\n"
    "Hyperfocal dist.25.63 m\n"
    "Object distance 10.00 m\n"
    "Scale           2.67 mm/pix\n"
    "Field size WxH  9.35x6.24 m = 58.31 m\xc2\xb2\n"
    "Rear dof        6.40 m\n"
    "Front dof       2.81 m\n"
    "Depth Of Field  9.20 m\n"
    "CoC 0.0064 mm = 1 px\n"
    "Near limit      7.20 m\n"
    "Far limit       16.37 m\n";

// The details for the factory camera with the cursor at 10 m: the exact
// thin-lens limits with one pixel, H = f²/(Nc) + f; the Airy disc 2.44 λ N
// passes one pixel (6.4212 µm) from f/4.785 and two from f/9.570.
inline constexpr char kFactoryAtTenMetresDetails[] =
    "Subject at 10.00 m, f/3.50\n"
    "CoC 0.0064 mm = 1 px\n"
    "Near limit      7.20 m\n"
    "Far limit       16.37 m\n"
    "Depth of field  9.17 m\n"
    "If focused at the hyperfocal distance (25.65 m): sharp from 12.83 m to \xe2\x88\x9e\n"
    "Magnification   1:415.7\n"
    "Airy disc       4.70 \xc2\xb5m (\xce\xbb 550 nm), 0.73 \xc3\x97 the CoC\n"
    "Diffraction     passes the CoC from f/4.8, two pixels from f/9.6";
