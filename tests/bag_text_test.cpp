// SPDX-License-Identifier: MIT
#include "core/settings/bag_text.h"

#include "core/settings/lens_search.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

Bag Read(const std::string& text) {
    BagReader reader;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        reader.Line(line.c_str());
    }
    return reader.Result();
}

const char kBag[] =
    "# bag.ini: kadrel's camera bag, its bodies, lenses and pinned setups\n"
    "# Each [body], [lens] or [pin] starts an entry; lines starting with # are comments.\n"
    "# A lens's widest apertures are given at each focal length they are known for.\n"
    "\n[chosen]\nbody = Sony A6000 #2\nlens = E 18-55mm f/3.5-5.6\n"
    "\n[body]\nname = Sony A6000 #2\nsensor = 23.5 x 15.6 mm\nresolution = 6000 x 4000\n"
    "\n[lens]\nname = E 18-55mm f/3.5-5.6\nmount = Sony E\ncalibrated crop = 1.534\nfocal = 18-55 "
    "mm\n"
    "widest = 18 mm f/3.5, 24 mm f/4, 35 mm f/4.5, 55 mm f/5.6\nsmallest = f/22\n"
    "minimum focus = 0.25 m\npupil magnification = 1\n"
    "\n[lens]\nname = 50/1.8\nfocal = 50-50 mm\npupil magnification = 0.7\n"
    "\n[pin]\nname = portrait\nbody = Sony A6000 #2\nlens = 50/1.8\nfocal = 50 mm\n"
    "aperture = f/1.8\ndistance = 2.5 m\nsensor width = 23.5 mm\ncoc = 0.003916666666666666 mm\n";

TEST(BagText, RoundTrip) {
    const Bag bag = Read(kBag);
    ASSERT_EQ(bag.bodies.size(), 1u);
    ASSERT_EQ(bag.lenses.size(), 2u);
    ASSERT_EQ(bag.pins.size(), 1u);
    EXPECT_EQ(bag.bodies[0].name, "Sony A6000 #2");
    EXPECT_EQ(bag.bodies[0].yresol, 4000);
    EXPECT_EQ(bag.lenses[0].widest.size(), 4u);
    EXPECT_EQ(bag.lenses[1].pupilMagnification, 0.7);
    EXPECT_EQ(bag.pins[0].cocMm, 23.5 / 6000);
    EXPECT_EQ(bag.chosenLens, "E 18-55mm f/3.5-5.6");
    EXPECT_EQ(BagFileText(bag), kBag);
}

// What a hand may write: letter case, CRLF, blanks, values that do not
// read (ignored), entries short of what they need (left out).
TEST(BagText, HandWrittenFiles) {
    const struct {
        const char* text;
        std::size_t bodies, lenses, pins;
        double xsizeMm;
    } table[] = {
        {"  [BODY]\r\nName = a\r\nSENSOR=36 x 24\r\nresolution = 6000 x 4000\r\n", 1, 0, 0, 36},
        {"[body]\nname = a\nsensor = 36 x 24\nsensor = -1 x 0\nsensor = 7\nresolution = 6 x 4\n", 1,
         0, 0, 36},
        {"[body]\nname = a\nsensor = 36 x 24\n", 0, 0, 0, 0},
        {"[body]\nsensor = 36 x 24\nresolution = 6 x 4\n", 0, 0, 0, 0},
        {"name = a\n[lens]\nname = b\nfocal = 70-24 mm\n[lens]\nname = c\nfocal = 1e999-2\n", 0, 0,
         0, 0},
        {"[pin]\nname = p\nfocal = 50\naperture = 8\ndistance = 3\nsensor width = 36\n", 0, 0, 0,
         0},
        {"[lens]\nname = z\nfocal = 24-70\n[pin]\nname = p\nfocal = 50\naperture = 8\n"
         "distance = 3\nsensor width = 36\ncoc = 0.03\n",
         0, 1, 1, 0},
    };
    for (const auto& row : table) {
        const Bag bag = Read(row.text);
        EXPECT_EQ(bag.bodies.size(), row.bodies) << row.text;
        EXPECT_EQ(bag.lenses.size(), row.lenses) << row.text;
        EXPECT_EQ(bag.pins.size(), row.pins) << row.text;
        if (!bag.bodies.empty()) {
            EXPECT_EQ(bag.bodies[0].xsizeMm, row.xsizeMm) << row.text;
        }
    }
}

// Linear in focal length between calibrated focal lengths: 20 mm lies a
// third of the way from 18 mm f/3.5 to 24 mm f/4.
TEST(BagText, WidestApertureAt) {
    const BagLens lens = Read(kBag).lenses[0];
    const struct {
        double focal, widest;
    } table[] = {{10, 3.5}, {18, 3.5}, {20, 3.5 + 0.5 / 3}, {24, 4},
                 {35, 4.5}, {55, 5.6}, {300, 5.6}};
    for (const auto& row : table) {
        EXPECT_DOUBLE_EQ(WidestApertureAt(lens, row.focal), row.widest) << row.focal;
    }
    EXPECT_NEAR(WidestApertureAt(lens, 20), 3.67, 0.005);
    EXPECT_EQ(WidestApertureAt(BagLens{}, 50), 0);
}

// The stops the lens has: at 20 mm it opens to f/3.67, so f/4 comes first
// of the full stops; f/22 is its smallest; a lens with no apertures known
// keeps them all.
TEST(BagText, StopsTheLensHas) {
    const Bag bag = Read(kBag);
    const struct {
        const BagLens& lens;
        double focal;
        const std::vector<double>& stops;
        std::vector<double> within;
    } table[] = {
        {bag.lenses[0], 20, FullStops(), {4, 5.6, 8, 11, 16, 22}},
        {bag.lenses[0], 55, FullStops(), {5.6, 8, 11, 16, 22}},
        {bag.lenses[0],
         18,
         ThirdStops(),
         {3.5, 4, 4.5, 5, 5.6, 6.3, 7.1, 8, 9, 10, 11, 13, 14, 16, 18, 20, 22}},
        {bag.lenses[1], 50, FullStops(), FullStops()},
    };
    for (const auto& row : table) {
        EXPECT_EQ(StopsWithin(row.stops, StopsAt(row.lens, row.focal)), row.within) << row.focal;
    }
}

// Limits seen, never forced: the remark names what the lens cannot do.
TEST(BagText, LensLimits) {
    const BagLens lens = Read(kBag).lenses[0];
    const struct {
        double focal, aperture;
        const char* text;
    } table[] = {
        {20, 3.7f, "Lens            E 18-55mm f/3.5-5.6, widest f/3.67 at 20 mm"},
        {20, 3.5f, "Lens            E 18-55mm f/3.5-5.6: f/3.5 is wider than its f/3.67 at 20 mm"},
        {300, 8, "Lens            E 18-55mm f/3.5-5.6: 300 mm is outside its 18-55 mm"},
        {17.996f, 8, "Lens            E 18-55mm f/3.5-5.6, widest f/3.5 at 17.996 mm"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(LensLimitsText(lens, row.focal, row.aperture), row.text) << row.focal;
    }
}

}  // namespace
