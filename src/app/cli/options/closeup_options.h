// SPDX-License-Identifier: MIT
// The close-up options that `kadrel dof` and `kadrel stack` take beside
// their own, as rows of their option tables, and the rail plan they ask for.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/options/camera_options.h"
#include "cli/options/option_table.h"

// --pupil P into settings->pupil.
OptionRow PupilRow(Settings* settings);

struct CloseUpOptions {
    bool wave = false;                                  // --depth wave
    bool rail = false;                                  // --rail
    std::optional<std::string> magnification, subject;  // read once the units are known
};

// --pupil, --depth geometric|wave, --rail, --magnification and --subject.
std::vector<OptionRow> CloseUpRows(Settings* settings, CloseUpOptions* closeUp);

// --overlap P in per cent (the default when not given) as a share: 0, or 2
// after a message.
int ReadOverlap(const CommandLine& line, const std::optional<std::string>& overlap, double* share);

// The rail plan for --magnification and --subject, with --overlap: the
// sub-command's status.
int RunRail(const CommandLine& line, const CameraOptions& camera, const CloseUpOptions& closeUp,
            const std::optional<std::string>& overlap, std::FILE* out);
