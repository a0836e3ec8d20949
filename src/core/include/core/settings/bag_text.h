// SPDX-License-Identifier: MIT
// The text of bag.ini: the user's bodies, lenses and pinned setups, and the
// body and lens in use. Sections "[body]", "[lens]" and "[pin]" each start an
// entry, "[chosen]" names the body and lens in use; "key = value" lines
// below fill it, keys in any letter case; "#" starts a comment line. A value
// that does not read changes nothing; an entry without a name, or without
// the figures it cannot do without, is left out.
#pragma once

#include <string>
#include <vector>

struct BagBody {
    std::string name;
    double xsizeMm = 0;
    double ysizeMm = 0;
    int xresol = 0;
    int yresol = 0;
};

struct ApertureAt {
    double focalMm;
    double fNumber;  // the widest the lens opens at that focal length
};

struct BagLens {
    std::string name;
    std::string mount;      // as lensfun names it; may be empty
    double cropFactor = 0;  // of the body it was calibrated on; 0 when unknown
    double minFocalMm = 0;
    double maxFocalMm = 0;
    std::vector<ApertureAt> widest;  // by focal length; may be empty
    double smallest = 0;             // f-number; 0 when unknown
    double minFocusM = 0;            // 0 when unknown
    double pupilMagnification = 1;
};

struct BagPin {
    std::string name;
    std::string body;  // may be empty, as may lens
    std::string lens;
    double focalMm = 0;
    double aperture = 0;
    double distanceM = 0;
    double sensorWidthMm = 0;
    double cocMm = 0;
};

struct Bag {
    std::vector<BagBody> bodies;
    std::vector<BagLens> lenses;
    std::vector<BagPin> pins;
    std::string chosenBody{};  // the names last chosen from the bag; may be empty
    std::string chosenLens{};
};

// Reads bag.ini line by line into a bag.
class BagReader {
  public:
    // Takes one line, trimmed or not.
    void Line(const char* line);
    // The entries read so far that can be used.
    Bag Result() const;

  private:
    enum class Section { None, Chosen, Body, Lens, Pin };
    Section section_ = Section::None;
    Bag bag_;
};

// The whole file as written, with a comment on the keys.
std::string BagFileText(const Bag& bag);

// The widest aperture at focal: linear in focal length between calibrated
// focal lengths, the nearest one's outside them; 0 when none is known.
double WidestApertureAt(const BagLens& lens, double focalMm);
