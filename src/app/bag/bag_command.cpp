// SPDX-License-Identifier: MIT
// The bag on the command line: --body and --lens for every sub-command, and
// kadrel bag, which lists it.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/bag.h"
#include "app/kadrel.h"
#include "core/settings/lens_search.h"
#include "core/settings/sensor_presets.h"
#include "core/text/text_format.h"
#include "core/text/units.h"
#include "options/option_table.h"

namespace {

// Read once, beside kadrel.ini as the window finds it.
void ReadBagOnce(std::FILE* err) {
    static bool read = false;
    if (!read) {
        read = true;
        LocateSettingsFile();
        LocateBagFile();
        if (const std::string why = ReadBagFile(); !why.empty()) {
            std::fprintf(err, "kadrel: %s: %s; the bag is empty\n", bagFullPath, why.c_str());
        }
        // A sub-command uses the body and lens its options name, not the window's.
        bag.chosenBody.clear();
        bag.chosenLens.clear();
    }
}

template <typename T>
std::vector<std::string> Names(const std::vector<T>& entries) {
    std::vector<std::string> names;
    for (const T& e : entries) {
        names.push_back(e.name);
    }
    return names;
}

// The one entry typed names, or -1 and why not, listing what it could mean.
int Unique(const std::string& typed, const std::vector<std::string>& names, std::string* why) {
    const std::vector<std::size_t> found = MatchingNames(names, typed);
    if (found.size() == 1) {
        return static_cast<int>(found[0]);
    }
    const bool none = found.empty();
    *why =
        "\"" + typed + "\" " +
        (none ? (names.empty() ? "is not in the bag, which has none" : "is not in the bag; it has:")
              : "could be any of:");
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (none || std::find(found.begin(), found.end(), i) != found.end()) {
            *why += "\n  " + names[i];
        }
    }
    return -1;
}

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
        text += TextFormat("  %-30s %g mm f/%g at %g m%s\n", p.name.c_str(), p.focalMm, p.aperture,
                           p.distanceM, with.empty() ? "" : (", " + with).c_str());
    }
    return text;
}

std::string ApplyBagOption(const char* option, const std::string& name, Settings* s,
                           std::FILE* err) {
    ReadBagOnce(err);
    const bool body = std::strcmp(option, "--body") == 0;
    std::string why;
    const int found = Unique(name, body ? Names(bag.bodies) : Names(bag.lenses), &why);
    if (found < 0) {
        return why;
    }
    if (body) {
        const BagBody& b = bag.bodies[static_cast<std::size_t>(found)];
        s->xsize = static_cast<float>(b.xsizeMm);
        s->ysize = static_cast<float>(b.ysizeMm);
        s->xresol = b.xresol;
        s->yresol = b.yresol;
    } else {
        double focal = s->focal;
        double aperture = s->aperture;
        const BagLens& lens = bag.lenses[static_cast<std::size_t>(found)];
        bag.chosenLens = lens.name;  // its stops for the table
        FitToLens(lens, &focal, &aperture);
        s->focal = static_cast<float>(focal);
        s->aperture = static_cast<float>(aperture);
    }
    return std::string();
}

int RunBag(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    const CommandLine line{"bag",
                           "Usage: kadrel bag\n\nLists the camera bag, its bodies, lenses and "
                           "pinned setups, from bag.ini beside kadrel.ini.\n",
                           {},
                           nullptr,
                           err};
    if (int status = 0; !ReadOrHelp(line, argc, argv, nullptr, out, &status)) {
        return status;
    }
    ReadBagOnce(err);
    std::fprintf(out, "Bag file: %s\n%s", bagFullPath, BagListing(Units::Metric).c_str());
    return 0;
}
