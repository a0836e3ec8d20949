// SPDX-License-Identifier: MIT
// The panel's two pictures as SVG text: a lens sign over the graph, and the
// depth-of-field illustration that HELP shows.
#pragma once

extern const char kLensImage[];
extern const char kDepthOfFieldImage[];
