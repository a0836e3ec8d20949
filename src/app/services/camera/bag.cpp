// SPDX-License-Identifier: MIT
// bag.ini, read at start-up and saved whole whenever the bag changes.
#include "services/camera/bag.h"

#include <algorithm>

#include "core/settings/lens_search.h"
#include "core/settings/sensor_presets.h"
#include "core/text/text_format.h"
#include "services/key_files.h"

Bag bag;
char bagFullPath[MAX_PATHNAME_LEN];

namespace {

FileBeside file{"bag.ini",
                "kadrel could not read its camera bag and starts with an empty one. "
                "It will not overwrite this file:",
                "kadrel keeps this camera bag until it ends but will not overwrite",
                "kadrel could not save its camera bag in",
                bagFullPath,
                {}};

std::string LensLine(const BagLens& l, Units units) {
    std::string text = TextFormat("%g-%g mm", l.minFocalMm, l.maxFocalMm);
    for (std::size_t i = 0; i < l.widest.size(); ++i) {
        text += TextFormat("%s f/%g at %g mm", i == 0 ? ", widest" : ",", l.widest[i].fNumber,
                           l.widest[i].focalMm);
    }
    if (l.minFocusM > 0) {
        text += ", focuses to " + FormatDistance(l.minFocusM, units);
    }
    if (l.pupilMagnification != 1) {
        text += ", pupil magnification " + ShortestNumber(l.pupilMagnification);
    }
    return text + (l.mount.empty() ? "" : "; " + l.mount);
}

}  // namespace

void LocateBagFile() {
    LocateFileBeside(&file);
}

std::string ReadBagFile() {
    BagReader reader;
    const std::string problem =
        ReadFileBeside(&file, [&reader](const char* line) { reader.Line(line); });
    bag = reader.Result();
    return problem;
}

void TellIfBagUnreadable() {
    TellIfUnreadable(file);
}

bool WriteBagFile() {
    return WriteFileBeside(file, BagFileText(bag));
}

std::string BagListing(Units units) {
    std::string text = "Bodies:\n";
    for (const BagBody& b : bag.bodies) {
        text += TextFormat("  %-30s %s\n", b.name.c_str(),
                           SensorText(b.xsizeMm, b.ysizeMm, b.xresol, b.yresol).c_str());
    }
    text += "Lenses:\n";
    for (const BagLens& l : bag.lenses) {
        text += TextFormat("  %-30s %s\n", l.name.c_str(), LensLine(l, units).c_str());
    }
    text += "Pinned setups:\n";
    for (const BagPin& p : bag.pins) {
        const std::string with = p.body + (p.body.empty() || p.lens.empty() ? "" : ", ") + p.lens;
        text += TextFormat("  %-30s %g mm f/%g at %s%s\n", p.name.c_str(), p.focalMm, p.aperture,
                           FormatDistance(p.distanceM, units).c_str(),
                           with.empty() ? "" : (", " + with).c_str());
    }
    return text;
}

const BagLens* ChosenLens() {
    const auto found = std::find_if(bag.lenses.begin(), bag.lenses.end(), [](const BagLens& l) {
        return !bag.chosenLens.empty() && l.name == bag.chosenLens;
    });
    return found != bag.lenses.end() ? &*found : nullptr;
}

LensStops ChosenLensStops(double focalMm) {
    const BagLens* lens = ChosenLens();
    return lens != nullptr ? StopsAt(*lens, focalMm) : LensStops{};
}

std::string BodyFor(const Settings& camera) {
    for (const BagBody& b : bag.bodies) {
        if (static_cast<float>(b.xsizeMm) == camera.xsize &&
            static_cast<float>(b.ysizeMm) == camera.ysize && b.xresol == camera.xresol &&
            b.yresol == camera.yresol) {
            return b.name;
        }
    }
    return "";
}
