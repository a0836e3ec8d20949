// SPDX-License-Identifier: MIT
#include "core/settings/lens_search.h"

#include <algorithm>
#include <sstream>

#include "core/text/text_format.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = AsciiLower(c);
    }
    return text;
}

bool HoldsEveryWord(const BagLens& lens, const std::string& typed) {
    const std::string haystack = Lower(lens.name + " " + lens.mount);
    std::istringstream words(Lower(typed));
    for (std::string word; words >> word;) {
        if (haystack.find(word) == std::string::npos) {
            return false;
        }
    }
    return true;
}

// Crop factors as the database rounds them: 1.534 for a body of 1.5339.
bool SurelyCovers(const BagLens& lens, double bodyCrop) {
    return lens.cropFactor <= bodyCrop * 1.01;
}

}  // namespace

std::vector<std::size_t> FindLenses(const std::vector<BagLens>& lenses, const std::string& typed,
                                    double bodyCrop) {
    std::vector<std::size_t> first;
    std::vector<std::size_t> later;
    for (std::size_t i = 0; i < lenses.size(); ++i) {
        if (HoldsEveryWord(lenses[i], typed)) {
            (SurelyCovers(lenses[i], bodyCrop) ? first : later).push_back(i);
        }
    }
    first.insert(first.end(), later.begin(), later.end());
    return first;
}

std::string LensLimitsText(const BagLens& lens, double focalMm, double aperture) {
    const std::string head = "Lens            " + lens.name;
    // Within half a hundredth, as the fields show the figures.
    if (focalMm < lens.minFocalMm - 0.005 || focalMm > lens.maxFocalMm + 0.005) {
        return head + TextFormat(": %g mm is outside its %g-%g mm", focalMm, lens.minFocalMm,
                                 lens.maxFocalMm);
    }
    const double widest = WidestApertureAt(lens, focalMm);
    if (widest <= 0) {
        return head;
    }
    if (aperture < widest - 0.005) {
        return head +
               TextFormat(": f/%g is wider than its f/%.3g at %g mm", aperture, widest, focalMm);
    }
    return head + TextFormat(", widest f/%.3g at %g mm", widest, focalMm);
}

void FitToLens(const BagLens& lens, double* focalMm, double* aperture) {
    *focalMm = std::clamp(*focalMm, lens.minFocalMm, lens.maxFocalMm);
    *aperture = std::max(*aperture, WidestApertureAt(lens, *focalMm));
}

LensStops StopsAt(const BagLens& lens, double focalMm) {
    return {WidestApertureAt(lens, focalMm), lens.smallest};
}

std::vector<std::size_t> MatchingNames(const std::vector<std::string>& names,
                                       const std::string& typed) {
    std::vector<std::size_t> found;
    const std::string lowered = Lower(typed);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = Lower(names[i]);
        if (name == lowered) {
            return {i};
        }
        if (name.compare(0, lowered.size(), lowered) == 0) {
            found.push_back(i);
        }
    }
    return found;
}
