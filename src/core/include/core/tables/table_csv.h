// SPDX-License-Identifier: MIT
// The depth-of-field cards as CSV for spreadsheets and scripts (RFC 4180:
// CRLF line ends, a field quoted when it holds a comma, a quote or a line
// end). One row per cell, the hyperfocal distance of its aperture repeated on
// each; numbers in the C locale whatever the user's language, "inf" for a far
// limit at infinity, empty limits where the focus leaves no image.
#pragma once

#include <string>
#include <vector>

#include "core/tables/dof_table.h"
#include "core/text/csv.h"

// Distances in metres, or feet in imperial units, with three decimals; the
// column names say which.
std::string TableCsv(const std::string& camera, const std::vector<DofTable>& tables, Units units);
