// SPDX-License-Identifier: MIT
// Setups side by side as text, for the details window: one column each under
// its name, the live setup first, labels 16 characters wide as in the report
// so that the columns line up in a monospaced font.
#pragma once

#include <string>
#include <vector>

#include "core/tables/setup_compare.h"
#include "core/text/units.h"

// The widths of the labels and of each setup's column, in characters, the
// blank after them included; longer texts are cut.
constexpr std::size_t kLabelWidth = 16;
constexpr std::size_t kColumnWidth = 18;

// A title naming the figures, then rows: name, near and far limit, depth, hyperfocal distance,
// field width, background blur, and for every setup after the first the aperture that gives the
// first's depth at the same framing, with where it then stands.
std::string ComposeComparison(const std::vector<std::string>& names,
                              const std::vector<ShotSetup>& setups, Units units);
