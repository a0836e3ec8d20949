// SPDX-License-Identifier: MIT
// --body NAME and --lens NAME over the bag, for every sub-command.
#include "cli/options/bag_option.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/settings/lens_search.h"
#include "core/text/text_format.h"
#include "services/camera/bag.h"
#include "services/locations.h"

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

namespace {

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

}  // namespace

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
