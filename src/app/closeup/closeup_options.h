// SPDX-License-Identifier: MIT
// The close-up options that `kadrel dof` and `kadrel stack` take beside
// their own, taken out of the arguments the camera options left, so that
// each sub-command reads what remains as before.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/camera_options.h"

// "--name V" or "--name=V" taken out of *rest into *value (left alone when
// absent): 0, or 2 after a message on err when no value follows.
int TakeOption(std::vector<std::string>* rest, const char* name, std::string* value,
               std::FILE* err);

// --pupil P into the camera's settings: 0, or 2 after a message on err.
int TakePupil(std::vector<std::string>* rest, CameraOptions* camera, std::FILE* err);

struct CloseUpOptions {
    bool wave = false;  // --depth wave
    bool rail = false;  // --rail
};

// --pupil, --depth geometric|wave and --rail: 0, or 2 after a message.
int TakeCloseUpOptions(std::vector<std::string>* rest, CameraOptions* camera,
                       CloseUpOptions* closeUp, std::FILE* err);

// The rail plan for --magnification and --subject, with --overlap, from what
// the stack's arguments leave: the sub-command's status.
int RunRail(const CameraOptions& camera, const CloseUpOptions& closeUp,
            std::vector<std::string> rest, std::FILE* out, std::FILE* err);

// The lines for the sub-commands' --help.
extern const char kPupilHelp[];
extern const char kCloseUpHelp[];
