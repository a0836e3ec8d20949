// SPDX-License-Identifier: MIT
// kadrel photo: the same reader as the window's, and its values with their
// sources, without a display.
#include "cli/photo.h"

#include <cstring>
#include <string>

#include "app/locations.h"
#include "app/photo.h"
#include "core/photo/photo_text.h"
#include "panel_definition.h"

namespace {

const char kUsage[] =
    "Usage: kadrel photo PHOTO [--json]\n"
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
    "Options:\n"
    "  --json   one JSON object; a value the photo does not give is null\n";

}  // namespace

int RunPhoto(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    const char* path = nullptr;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, out);
            return 0;
        }
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (path == nullptr && (argv[i][0] != '-' || argv[i][1] == '\0')) {
            path = argv[i];
        } else {
            std::fprintf(err, "kadrel: photo: unknown argument \"%s\" (see kadrel photo --help)\n",
                         argv[i]);
            return 2;
        }
    }
    if (path == nullptr) {
        std::fprintf(err, "kadrel: photo: no photo given (see kadrel photo --help)\n");
        return 2;
    }
    char programDir[MAX_PATHNAME_LEN] = "";
    char helper[MAX_PATHNAME_LEN];
    GetProjectDir(programDir);
    PhotoCamera camera;
    std::string why = "kadrel-photo, which reads photos, is not installed with this kadrel";
    if (!LocatePhotoHelper(programDir, helper) || !ReadPhotoWith(helper, path, &camera, &why)) {
        std::fprintf(err, "kadrel: photo: %s: %s\n", path, why.c_str());
        return 1;
    }
    const PhotoFields fields = FieldsFromPhoto(camera, definition::PhotoRanges(), Units::Metric);
    std::fputs(json ? PhotoJson(fields).c_str() : PhotoReportText(fields).c_str(), out);
    return 0;
}
