// SPDX-License-Identifier: MIT
// A camera from a photo or from the camera database, into the panel's fields.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/photo/photo_text.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "program/panel_definition.h"
#include "services/camera/bag.h"
#include "services/live_setup.h"
#include "services/photo.h"
#include "windows/bag/bag_window.h"
#include "windows/photo/photo_window.h"

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

// The fields as if typed, one recalculation, then the cursor at the subject.
void Apply(const PhotoFields& f) {
    if (f.refused) {
        return;
    }
    const PhotoCamera& t = f.taken;
    if (t.sensorSource != SensorSource::None) {
        SetCtrlVal(panelHandle, PANEL_XMM, t.xsize);
        SetCtrlVal(panelHandle, PANEL_YMM, t.ysize);
    }
    if (t.hasPixels) {
        SetCtrlVal(panelHandle, PANEL_XPIX, static_cast<int>(t.xresol));
        SetCtrlVal(panelHandle, PANEL_YPIX, static_cast<int>(t.yresol));
    }
    if (t.hasFocal) {
        SetCtrlVal(panelHandle, PANEL_FOCAL, t.focal);
    }
    if (t.hasAperture) {
        SetCtrlVal(panelHandle, PANEL_APERTURE, t.aperture);
    }
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    if (f.subject) {
        PlaceCursor(f.distance);
    }
}

// What the photo gave, what is missing and what the panel keeps; a refusal first.
std::string Summary(const PhotoCamera& c, const PhotoFields& f, const std::string& after) {
    std::string text = f.refused ? f.kept.front() + ".\n\n" : "";
    text += PhotoSummaryLine(c, CurrentSetup().preferences.units) + after;
    for (const std::string& line : c.missing) {
        text += "\n" + line;
    }
    for (std::size_t i = f.refused ? 1 : 0; i < f.kept.size(); ++i) {
        text += "\n" + f.kept[i];
    }
    return text;
}

void Tell(const std::string& text) {
    MessagePopup("kadrel", text.c_str());
}

// The summary, with a button that keeps the photo's body in the bag when the
// photo gives its sensor and its pixels, and its lens when lensfun knows it;
// the panel and kadrel.ini stay as the photo left them.
void TellAndOfferBag(const PhotoCamera& c, const std::string& summary) {
    const bool body = c.sensorSource != SensorSource::None && c.hasPixels;
    if (!body && c.lens.empty()) {
        Tell(summary);
        return;
    }
    if (MessagePopupWithAction("kadrel", summary.c_str(), "Add to &bag") != 1) {
        return;
    }
    std::string said;
    std::string text;
    if (body) {
        AddBodyToBag({c.camera.empty() ? "Camera of a photo" : c.camera, c.xsize, c.ysize,
                      static_cast<int>(c.xresol), static_cast<int>(c.yresol)},
                     &said);
        text = said;
    }
    if (!c.lens.empty()) {
        AddLensfunLensToBag(c.lens, &said);
        text += (text.empty() ? "" : "\n") + said;
    }
    Tell(text);
}

}  // namespace

void OpenPhotoFromDialog() {
    char path[MAX_PATHNAME_LEN];
    if (FileSelectPopup("Camera from a photo", PhotoFilter().c_str(), path) == 1) {
        LoadPhoto(path);
    }
}

void LoadPhoto(const char* path) {
    // The window lives on while a photo is read; a second one waits its turn.
    static bool reading = false;
    if (reading) {
        Tell("kadrel is still reading a photo; Escape stops it.");
        return;
    }
    char helper[MAX_PATHNAME_LEN];
    PhotoCamera camera;
    std::string why = "kadrel-photo, which reads photos, is not installed with this kadrel";
    reading = true;
    const bool read =
        FindPhotoHelper(helper) && ReadPhotoWith(helper, path, &camera, &why, RunHelperResponsive);
    reading = false;
    if (!read) {
        Tell(why == kCancelledRead
                 ? "Reading the photo was cancelled. Nothing was changed."
                 : TextFormat("kadrel could not read this photo: %s.\n\n%s\n\nNothing was changed.",
                              why.c_str(), path));
        return;
    }
    const PhotoFields fields =
        FieldsFromPhoto(camera, definition::PhotoRanges(), CurrentSetup().preferences.units);
    Apply(fields);
    TellAndOfferBag(camera, Summary(camera, fields, ""));
}

void ChooseCameraModel() {
    static std::vector<CameraBody> bodies;  // the database is read once, when first asked
    char helper[MAX_PATHNAME_LEN];
    if (bodies.empty()) {
        if (!FindPhotoHelper(helper) || !ReadCameraBodiesWith(helper, &bodies)) {
            Tell("kadrel could not read the camera database (lensfun).");
            return;
        }
        std::stable_sort(
            bodies.begin(), bodies.end(), [](const CameraBody& a, const CameraBody& b) {
                return CameraNameBefore(CameraName(a.maker, a.model), CameraName(b.maker, b.model));
            });
    }
    std::vector<std::string> labels;
    for (const CameraBody& b : bodies) {
        labels.push_back(
            TextFormat("%s (crop %.3f)", CameraName(b.maker, b.model).c_str(), b.crop));
    }
    int chosen = -1;
    if (PromptPopupChoice("Camera model", "Camera bodies, by maker and model:", labels, &chosen) !=
        1) {
        return;
    }
    const CameraBody& body = bodies[static_cast<std::size_t>(chosen)];
    PhotoCamera camera;
    camera.camera = CameraName(body.maker, body.model);
    camera.sensorSource = SensorSource::Database;
    camera.crop = body.crop;
    const double aspect = BodyAspect(body.crop);
    SensorFromCrop(body.crop, aspect, &camera.xsize, &camera.ysize);
    const PhotoFields fields =
        FieldsFromPhoto(camera, definition::PhotoRanges(), CurrentSetup().preferences.units);
    Apply(fields);
    Tell(Summary(
        camera, fields,
        TextFormat(", %s; the resolution is left as it was.", aspect == 1.5 ? "3:2" : "4:3")));
}
