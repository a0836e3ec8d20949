// SPDX-License-Identifier: MIT
// A camera from a photo or from the camera database, into the panel's fields.
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/locations.h"
#include "app/photo.h"
#include "core/photo/photo_text.h"
#include "core/text/text_format.h"

namespace {

// What the file dialog offers: images and the common raw files, either case.
const char* const kPhotoExtensions[] = {
    "jpg", "jpeg", "tif", "tiff", "heic", "heif", "avif", "png", "webp", "dng", "cr2",
    "cr3", "crw",  "nef", "nrw",  "arw",  "srf",  "sr2",  "orf", "rw2",  "raf", "pef",
    "srw", "x3f",  "3fr", "iiq",  "erf",  "mrw",  "kdc",  "dcr", "rwl",
};

std::string PhotoFilter() {
    std::string patterns;
    for (const char* ext : kPhotoExtensions) {
        std::string upper = ext;
        for (char& ch : upper) {
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
        patterns += TextFormat("%s*.%s *.%s", patterns.empty() ? "" : " ", ext, upper.c_str());
    }
    return "Photos and raw files (" + patterns + ");;All files (*)";
}

bool Helper(char (&helper)[MAX_PATHNAME_LEN]) {
    char programDir[MAX_PATHNAME_LEN] = "";
    GetProjectDir(programDir);
    return LocatePhotoHelper(programDir, helper);
}

// Puts value into a numeric field when its range takes it, as typing would;
// otherwise the field keeps its value and *kept says why.
bool Put(int control, const char* name, double value, const char* unit,
         std::vector<std::string>* kept) {
    double lo = 0, hi = 0;
    GetCtrlAttribute(panelHandle, control, ATTR_MIN_VALUE, &lo);
    GetCtrlAttribute(panelHandle, control, ATTR_MAX_VALUE, &hi);
    int type = 0;
    GetCtrlAttribute(panelHandle, control, ATTR_DATA_TYPE, &type);
    const bool whole = type == VAL_INTEGER;
    const double typed = whole ? value : std::round(value * 100) / 100;  // as the field shows it
    if (typed >= lo && typed <= hi) {
        if (whole) {
            SetCtrlVal(panelHandle, control, static_cast<int>(typed));
        } else {
            SetCtrlVal(panelHandle, control, typed);
        }
        return true;
    }
    const char* side = typed < lo ? "below" : "above";
    const std::string bound = TextFormat(whole ? "%.0f" : "%g", typed < lo ? lo : hi);
    kept->push_back(TextFormat(whole ? "%s %.0f%s is %s the panel's %s %s: kept as it was"
                                     : "%s %.2f%s is %s the panel's %s %s: kept as it was",
                               name, typed, unit, side, typed < lo ? "minimum" : "maximum",
                               (bound + unit).c_str()));
    return false;
}

void ApplyCamera(const PhotoCamera& c, std::vector<std::string>* kept) {
    if (c.sensorSource != SensorSource::None) {
        Put(PANEL_XMM, "X size", c.xsize, " mm", kept);
        Put(PANEL_YMM, "Y size", c.ysize, " mm", kept);
    }
    if (c.hasPixels) {
        Put(PANEL_XPIX, "Xresol", static_cast<double>(c.xresol), "", kept);
        Put(PANEL_YPIX, "Yresol", static_cast<double>(c.yresol), "", kept);
    }
    if (c.hasFocal) {
        Put(PANEL_FOCAL, "focal length", c.focal, " mm", kept);
    }
    if (c.hasAperture) {
        Put(PANEL_APERTURE, "f-number", c.aperture, "", kept);
    }
    double s = 0;
    const bool moveCursor = PhotoLensDistance(c, &s);
    if (moveCursor && s > ShownDmax()) {
        ShowDmax(static_cast<float>(std::ceil(s)));
    }
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    if (moveCursor) {
        PlaceCursor(s);
    }
}

void Tell(const std::string& text) {
    MessagePopup("kadrel", text.c_str());
}

}  // namespace

void OpenPhotoFromDialog() {
    char path[MAX_PATHNAME_LEN];
    if (FileSelectPopup("Camera from a photo", PhotoFilter().c_str(), path) == 1) {
        LoadPhoto(path);
    }
}

void LoadPhoto(const char* path) {
    char helper[MAX_PATHNAME_LEN];
    PhotoCamera camera;
    std::string why = "kadrel-photo, which reads photos, is not installed with this kadrel";
    if (!Helper(helper) || !ReadPhotoWith(helper, path, &camera, &why)) {
        Tell(TextFormat("kadrel could not read this photo: %s.\n\n%s\n\nNothing was changed.",
                        why.c_str(), path));
        return;
    }
    std::vector<std::string> kept;
    ApplyCamera(camera, &kept);
    std::string text = PhotoSummaryLine(camera);
    for (const std::string& line : camera.missing) {
        text += "\n" + line;
    }
    for (const std::string& line : kept) {
        text += "\n" + line;
    }
    Tell(text);
}

void ChooseCameraModel() {
    static std::vector<CameraBody> bodies;  // the database is read once, when first asked
    char helper[MAX_PATHNAME_LEN];
    if (bodies.empty() && (!Helper(helper) || !ReadCameraBodiesWith(helper, &bodies))) {
        Tell("kadrel could not read the camera database (lensfun).");
        return;
    }
    std::vector<std::string> labels;
    for (const CameraBody& b : bodies) {
        labels.push_back(
            TextFormat("%s (crop %.3f)", CameraName(b.maker, b.model).c_str(), b.crop));
    }
    std::vector<const char*> items;
    for (const std::string& l : labels) {
        items.push_back(l.c_str());
    }
    int chosen = -1;
    if (PromptPopupChoice("Camera model", "Camera bodies, by maker and model:", items.data(),
                          items.size(), &chosen) != 1) {
        return;
    }
    const CameraBody& body = bodies[static_cast<std::size_t>(chosen)];
    int xresol = 0, yresol = 0;
    GetCtrlVal(panelHandle, PANEL_XPIX, &xresol);
    GetCtrlVal(panelHandle, PANEL_YPIX, &yresol);
    PhotoCamera camera;
    camera.camera = CameraName(body.maker, body.model);
    camera.sensorSource = SensorSource::Database;
    camera.crop = body.crop;
    SensorFromCrop(body.crop, static_cast<double>(xresol) / yresol, &camera.xsize, &camera.ysize);
    std::vector<std::string> kept;
    ApplyCamera(camera, &kept);
    std::string text = PhotoSummaryLine(camera) +
                       TextFormat(
                           ", in the proportions of %d \u00d7 %d pixels; the resolution is "
                           "left as it was.",
                           xresol, yresol);
    for (const std::string& line : kept) {
        text += "\n" + line;
    }
    Tell(text);
}
