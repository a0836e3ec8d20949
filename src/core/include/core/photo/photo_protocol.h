// SPDX-License-Identifier: MIT
// The lines kadrel-photo writes on stdout and kadrel reads back: one value a
// line, "key value…", numbers in the C locale with every digit, closed by
// "end" so that a helper cut short is never taken for one that finished.
//
//   kadrel-photo 1
//   camera Nikon D70
//   lens Nikon AF-S DX Nikkor 18-70mm f/3.5-4.5G ED    (the database's name)
//   sensor database 23.627 15.71 1.525     (source, width mm, height mm, crop)
//   pixels 3008 2000
//   focal 50
//   aperture 9
//   distance 5.3088 Nikon lens data        ("inf" for infinity; source follows)
//   missing no f-number in the photo       (one line per value not taken)
//   end
//
// A photo that cannot be read gives "error <why>" before "end" instead. The
// list of camera bodies is "body <crop> <maker>\t<model>" lines, then "end".
#pragma once

#include <string>
#include <vector>

#include "core/photo/photo_camera.h"

std::string PhotoProtocolText(const PhotoCamera& camera);
std::string PhotoErrorText(const std::string& why);

// True with *camera filled when text is a complete answer with values; false
// with *error set otherwise: the helper's own reason, or "" when the answer is
// cut short or malformed. Every number is checked again as the mapping does.
bool ParsePhotoProtocol(const std::string& text, PhotoCamera* camera, std::string* error);

struct CameraBody {
    std::string maker, model;
    double crop = 0;
};

std::string CameraListText(const std::vector<CameraBody>& bodies);
// False unless the list is complete; bodies with an unusable crop are dropped.
bool ParseCameraList(const std::string& text, std::vector<CameraBody>* bodies);
