// SPDX-License-Identifier: MIT
// The depth-of-field cards as people read them: cell texts for the window,
// and the cards as HTML, each from a new page, for the PDF and the printer. The
// caller gives the distance formatter, so the cards follow the user's units.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/tables/dof_table.h"

using DistanceFormat = std::function<std::string(double metres)>;

// "f/1.4", "f/5.6", "f/22".
std::string ApertureText(double n);

// Near and far limit with between in the middle ("2.34 m – 4.19 m"); "–"
// where the focus leaves no image.
std::string CellText(const SharpLimits& cell, const DistanceFormat& format, const char* between);

// One unit per aperture column of cards that share their apertures: the unit
// its limits and hyperfocal distances share.
std::vector<Magnitude> ColumnMagnitudes(const std::vector<DofTable>& tables, Units units);

// The header every page carries: what the card is for, as lines.
std::vector<std::string> CardHeader(const DofTable& table, const std::string& camera,
                                    const std::string& coc);

// Every card, each from a new page: the header, then focus distances down the
// side, apertures across, near over far in each cell, and rows H and H/2.
// Each figure keeps to one line: apertures too many for the page's width are
// cut into parts one below the other, and a part's row of apertures repeats
// on every page it reaches.
std::string CardsHtml(const std::vector<DofTable>& tables, const std::string& camera,
                      const std::string& coc, const DistanceFormat& format);
