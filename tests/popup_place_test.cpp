// SPDX-License-Identifier: MIT
// Where a pop-up goes to keep an area in view: worked out by hand from the
// sides of the area, an 8-pixel gap, and the screen's edges.
#include "popups/popup_place.h"

#include <gtest/gtest.h>

using ui::PlaceClearOf;
using ui::PopupPlace;

namespace {

void ExpectPlace(const PopupPlace& place, QRect frame, bool whole) {
    EXPECT_EQ(place.frame, frame);
    EXPECT_EQ(place.whole, whole);
}

const QSize kHelp(480, 370);

TEST(PopupPlace, BesideOnTheFirstSideWithRoom) {
    const QRect screen(0, 0, 1280, 1024);
    // Right of a panel at (5, 21), 672 wide: from 5 + 672 + 8 = 685, level with it.
    ExpectPlace(PlaceClearOf(screen, QRect(5, 21, 672, 558), kHelp), QRect(685, 21, 480, 370),
                true);
    // A panel at x 600 reaches the right edge (1272 + 8 > 1279): left of it,
    // ending 8 before 600, at 112.
    ExpectPlace(PlaceClearOf(screen, QRect(600, 100, 672, 558), kHelp), QRect(112, 100, 480, 370),
                true);
    // Level with the area's top as far as the screen lets: 1024 - 370 = 654;
    // from 0 + 300 + 8 = 308.
    ExpectPlace(PlaceClearOf(screen, QRect(0, 900, 300, 100), kHelp), QRect(308, 654, 480, 370),
                true);
}

// An 800 x 600 screen and a panel of 672 x 558 at its corner, as at scale 2
// on 1600 x 1200.
TEST(PopupPlace, CutToTheSideThatShowsMostWhereNoneHoldsItWhole) {
    const QRect screen(0, 0, 800, 600);
    // Beside the panel: 120 x 370 at the right (800 - 680), 480 x 34 below
    // (600 - 566); the right shows more.
    ExpectPlace(PlaceClearOf(screen, QRect(0, 0, 672, 558), kHelp), QRect(680, 0, 120, 370), false);
    // Beside the diagram at (60, 60), 501 x 345: right 231 x 370 (from 569),
    // left 52 x 370, above 480 x 52, below 480 x 187 (from 413): below.
    ExpectPlace(PlaceClearOf(screen, QRect(60, 60, 501, 345), kHelp), QRect(60, 413, 480, 187),
                false);
    // Nothing of the screen is clear: no place.
    ExpectPlace(PlaceClearOf(screen, QRect(-10, -10, 820, 620), kHelp), QRect(), false);
}

}  // namespace
