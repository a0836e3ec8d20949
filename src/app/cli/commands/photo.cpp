// SPDX-License-Identifier: MIT
// kadrel photo: the same reader as the window's, and its values with their
// sources, without a display.
#include "cli/commands/photo.h"

#include <string>
#include <vector>

#include "cli/options/camera_options.h"
#include "core/photo/photo_text.h"
#include "program/panel_definition.h"
#include "services/locations.h"
#include "services/photo.h"

namespace {

const char kUsage[] =
    "Usage: kadrel photo PHOTO [--json] [--units U]\n"
    "\n"
    "What kadrel would take from a photo: the sensor size (from the lensfun camera\n"
    "database, else the 35 mm equivalent focal length, else the focal-plane\n"
    "resolution), the resolution, the focal length, the aperture and the subject's\n"
    "distance, each with where it came from, as the window would take them; then\n"
    "what the photo does not give, and what the panel keeps of its own (a value\n"
    "outside its field's range; both sides of a pair or neither). A focal length\n"
    "the panel cannot show refuses the whole photo, and says so first.\n"
    "The photo is read by kadrel-photo in a process of its own.\n"
    "\n"
    "Options:\n";

}  // namespace

int RunPhoto(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    bool json = false;
    Units units = Units::Metric;
    const CommandLine line{
        "photo",
        kUsage,
        {{nullptr,
          {SwitchRow("json", &json, "one JSON object; a value the photo does not give is null"),
           UnitsRow(&units, "metric (default) or imperial, for the distances said")},
          nullptr}},
        nullptr,
        err};
    std::vector<std::string> photos;
    if (int status = 0; !ReadOrHelp(line, argc, argv, &photos, out, &status)) {
        return status;
    }
    if (photos.size() != 1) {
        return photos.empty() ? Misused(line, "no photo given")
                              : Misused(line, "unknown argument \"" + photos[1] + "\"");
    }
    const std::string& path = photos[0];
    char programDir[MAX_PATHNAME_LEN] = "";
    char helper[MAX_PATHNAME_LEN];
    GetProjectDir(programDir);
    PhotoCamera camera;
    std::string why = "kadrel-photo, which reads photos, is not installed with this kadrel";
    if (!LocatePhotoHelper(programDir, helper) ||
        !ReadPhotoWith(helper, path.c_str(), &camera, &why)) {
        return Complain(line, 1, path + ": " + why);
    }
    const PhotoFields fields = FieldsFromPhoto(camera, definition::PhotoRanges(), units);
    std::fputs(json ? PhotoJson(fields).c_str() : PhotoReportText(fields).c_str(), out);
    return 0;
}
