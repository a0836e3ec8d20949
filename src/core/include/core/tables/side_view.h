// SPDX-License-Identifier: MIT
// The sharp zone seen from the side: the live setup's zone and each pinned
// one's, on a distance scale that shows close and far together and puts
// infinity at a finite edge. Positions run from 0 (the lens) to 1 (∞); a
// picture multiplies them by its width. The zones are the same figures the
// details text gives, so the picture and the text cannot disagree.
#pragma once

#include <string>
#include <vector>

#include "core/optics/circle_of_confusion.h"
#include "core/optics/optics.h"
#include "core/tables/setup_compare.h"
#include "core/text/units.h"

// Where d metres from the lens stands: d/(d + H), 0 at the lens, ½ at the
// hyperfocal distance H, 1 at infinity. NaN for NaN.
double ScalePosition(double d, double hyperfocal);

struct ScaleTick {
    double position;
    std::string label;  // as the figures write the distance; "∞" at the edge
};

// Round distances (1, 2 and 5 times a power of ten metres, or feet in
// imperial units) from the lens outwards, each kept only when it stands at
// least minGap beyond the one before it (and the lens) and short of ∞ by as
// much; then ∞ at position 1.
std::vector<ScaleTick> ScaleTicks(double hyperfocal, Units units, double minGap);

struct ZoneBand {
    std::string name;  // "Live" or a pin's name
    double focus;      // m
    double nearLimit;  // m; NaN when the focus is not beyond the focal length
    double farLimit;   // m; +inf from the hyperfocal distance on
    bool outOfReach;   // the Airy disc is wider than the circle at this aperture
};

struct SideView {
    double hyperfocal;            // m, the live setup's: the scale's middle
    double hyperfocalNear;        // m, the near limit when focused there
    std::vector<ZoneBand> zones;  // the live zone first, then the pins in order
};

struct NamedSetup {
    std::string name;
    ShotSetup setup;
    std::string body = "";  // the bag's names for its camera and lens, or ""
    std::string lens = "";
};

SideView ComposeSideView(const Settings& settings, const CocChoice& coc, double d,
                         const std::vector<NamedSetup>& pins);

// One zone in those words: "Live: focused at 3.00 m, Near limit 2.69 m, …".
std::string DescribeZone(const ZoneBand& band, Units units);
// What a zone out of reach is, in the picture and in its description.
constexpr char kOutOfReach[] = "cannot be reached at this aperture";

// What the picture shows, line by line, in the words and units of the figures.
std::string DescribeSideView(const SideView& view, Units units);
