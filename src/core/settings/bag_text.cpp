// SPDX-License-Identifier: MIT
#include "core/settings/bag_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/settings/key_line.h"
#include "core/text/text_format.h"

namespace {

// Every number in text, in order, read from each digit on: units and
// separators ("f/", "mm", " x ", "-") are skipped, so none is negative.
std::vector<double> Numbers(const std::string& text) {
    std::vector<double> numbers;
    const char* p = text.c_str();
    while (*p != '\0') {
        if (*p >= '0' && *p <= '9') {
            char* end = nullptr;
            numbers.push_back(std::strtod(p, &end));
            p = end;
        } else {
            ++p;
        }
    }
    return numbers;
}

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

// One positive number into *to; anything else changes nothing.
void TakeOne(const std::string& value, double* to) {
    const std::vector<double> n = Numbers(value);
    if (n.size() == 1 && Positive(n[0])) {
        *to = n[0];
    }
}

// Two positive numbers ("23.5 x 15.6 mm", "18-55 mm") into *a and *b.
void TakeTwo(const std::string& value, double* a, double* b) {
    const std::vector<double> n = Numbers(value);
    if (n.size() == 2 && Positive(n[0]) && Positive(n[1])) {
        *a = n[0];
        *b = n[1];
    }
}

void TakeResolution(const std::string& value, BagBody* body) {
    double x = 0;
    double y = 0;
    TakeTwo(value, &x, &y);
    if (x >= 1 && y >= 1 && x <= 1e6 && y <= 1e6) {
        body->xresol = static_cast<int>(x);
        body->yresol = static_cast<int>(y);
    }
}

// "18 mm f/3.5, 55 mm f/5.6": pairs, kept in order of focal length.
void TakeWidest(const std::string& value, BagLens* lens) {
    const std::vector<double> n = Numbers(value);
    if (n.empty() || n.size() % 2 != 0 || !std::all_of(n.begin(), n.end(), Positive)) {
        return;
    }
    lens->widest.clear();
    for (std::size_t i = 0; i < n.size(); i += 2) {
        lens->widest.push_back({n[i], n[i + 1]});
    }
    std::stable_sort(
        lens->widest.begin(), lens->widest.end(),
        [](const ApertureAt& a, const ApertureAt& b) { return a.focalMm < b.focalMm; });
}

void ApplyChosen(const std::string& key, const std::string& value, Bag* bag) {
    if (SameWord(key, "body")) {
        bag->chosenBody = value;
    } else if (SameWord(key, "lens")) {
        bag->chosenLens = value;
    }
}

void ApplyBody(const std::string& key, const std::string& value, BagBody* body) {
    if (SameWord(key, "name")) {
        body->name = value;
    } else if (SameWord(key, "sensor")) {
        TakeTwo(value, &body->xsizeMm, &body->ysizeMm);
    } else if (SameWord(key, "resolution")) {
        TakeResolution(value, body);
    }
}

void ApplyLens(const std::string& key, const std::string& value, BagLens* lens) {
    if (SameWord(key, "name")) {
        lens->name = value;
    } else if (SameWord(key, "mount")) {
        lens->mount = value;
    } else if (SameWord(key, "calibrated crop")) {
        TakeOne(value, &lens->cropFactor);
    } else if (SameWord(key, "focal")) {
        TakeTwo(value, &lens->minFocalMm, &lens->maxFocalMm);
    } else if (SameWord(key, "widest")) {
        TakeWidest(value, lens);
    } else if (SameWord(key, "smallest")) {
        TakeOne(value, &lens->smallest);
    } else if (SameWord(key, "minimum focus")) {
        TakeOne(value, &lens->minFocusM);
    } else if (SameWord(key, "pupil magnification")) {
        TakeOne(value, &lens->pupilMagnification);
    }
}

void ApplyPin(const std::string& key, const std::string& value, BagPin* pin) {
    const struct {
        const char* key;
        double BagPin::*to;
    } numbers[] = {{"focal", &BagPin::focalMm},
                   {"aperture", &BagPin::aperture},
                   {"distance", &BagPin::distanceM},
                   {"sensor width", &BagPin::sensorWidthMm},
                   {"coc", &BagPin::cocMm}};
    if (SameWord(key, "name")) {
        pin->name = value;
    } else if (SameWord(key, "body")) {
        pin->body = value;
    } else if (SameWord(key, "lens")) {
        pin->lens = value;
    }
    for (const auto& n : numbers) {
        if (SameWord(key, n.key)) {
            TakeOne(value, &(pin->*n.to));
        }
    }
}

// The fewest digits that read back as the same double, without an exponent
// where one is not needed.
std::string Number(double value) {
    for (int digits = 1; digits < 17; ++digits) {
        const std::string text = TextFormat("%.*g", digits, value);
        if (text.find('e') == std::string::npos && std::strtod(text.c_str(), nullptr) == value) {
            return text;
        }
    }
    return TextFormat("%.17g", value);
}

bool UsableBody(const BagBody& b) {
    return !b.name.empty() && b.xsizeMm > 0 && b.ysizeMm > 0 && b.xresol > 0;
}

bool UsableLens(const BagLens& l) {
    return !l.name.empty() && l.minFocalMm > 0 && l.minFocalMm <= l.maxFocalMm;
}

bool UsablePin(const BagPin& p) {
    return !p.name.empty() && p.focalMm > 0 && p.aperture > 0 && p.distanceM > 0 &&
           p.sensorWidthMm > 0 && p.cocMm > 0;
}

template <typename T>
std::vector<T> Only(const std::vector<T>& all, bool (*usable)(const T&)) {
    std::vector<T> kept;
    std::copy_if(all.begin(), all.end(), std::back_inserter(kept), usable);
    return kept;
}

std::string BodyText(const BagBody& b) {
    return TextFormat("\n[body]\nname = %s\nsensor = %s x %s mm\nresolution = %d x %d\n",
                      b.name.c_str(), Number(b.xsizeMm).c_str(), Number(b.ysizeMm).c_str(),
                      b.xresol, b.yresol);
}

std::string LensText(const BagLens& l) {
    std::string text = "\n[lens]\nname = " + l.name + "\n";
    if (!l.mount.empty()) {
        text += "mount = " + l.mount + "\n";
    }
    if (l.cropFactor > 0) {
        text += "calibrated crop = " + Number(l.cropFactor) + "\n";
    }
    text += "focal = " + Number(l.minFocalMm) + "-" + Number(l.maxFocalMm) + " mm\n";
    if (!l.widest.empty()) {
        text += "widest =";
        for (std::size_t i = 0; i < l.widest.size(); ++i) {
            text +=
                TextFormat("%s %s mm f/%s", i == 0 ? "" : ",", Number(l.widest[i].focalMm).c_str(),
                           Number(l.widest[i].fNumber).c_str());
        }
        text += "\n";
    }
    if (l.smallest > 0) {
        text += "smallest = f/" + Number(l.smallest) + "\n";
    }
    if (l.minFocusM > 0) {
        text += "minimum focus = " + Number(l.minFocusM) + " m\n";
    }
    return text + "pupil magnification = " + Number(l.pupilMagnification) + "\n";
}

std::string PinText(const BagPin& p) {
    return TextFormat(
        "\n[pin]\nname = %s\nbody = %s\nlens = %s\nfocal = %s mm\naperture = f/%s\n"
        "distance = %s m\nsensor width = %s mm\ncoc = %s mm\n",
        p.name.c_str(), p.body.c_str(), p.lens.c_str(), Number(p.focalMm).c_str(),
        Number(p.aperture).c_str(), Number(p.distanceM).c_str(), Number(p.sensorWidthMm).c_str(),
        Number(p.cocMm).c_str());
}

}  // namespace

void BagReader::Line(const char* line) {
    std::string text = line + std::strspn(line, " \t");
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    const char* start = text.c_str();
    std::string key;
    std::string value;
    if (SameWord(start, "[chosen]")) {
        section_ = Section::Chosen;
    } else if (SameWord(start, "[body]")) {
        section_ = Section::Body;
        bag_.bodies.emplace_back();
    } else if (SameWord(start, "[lens]")) {
        section_ = Section::Lens;
        bag_.lenses.emplace_back();
    } else if (SameWord(start, "[pin]")) {
        section_ = Section::Pin;
        bag_.pins.emplace_back();
    } else if (start[0] == '#' || !SplitKeyLine(start, &key, &value)) {
        return;
    } else if (section_ == Section::Chosen) {
        ApplyChosen(key, value, &bag_);
    } else if (section_ == Section::Body) {
        ApplyBody(key, value, &bag_.bodies.back());
    } else if (section_ == Section::Lens) {
        ApplyLens(key, value, &bag_.lenses.back());
    } else if (section_ == Section::Pin) {
        ApplyPin(key, value, &bag_.pins.back());
    }
}

Bag BagReader::Result() const {
    return {Only(bag_.bodies, UsableBody), Only(bag_.lenses, UsableLens),
            Only(bag_.pins, UsablePin), bag_.chosenBody, bag_.chosenLens};
}

std::string BagFileText(const Bag& bag) {
    std::string text =
        "# bag.ini: kadrel's camera bag, its bodies, lenses and pinned setups\n"
        "# Each [body], [lens] or [pin] starts an entry; lines starting with # are comments.\n"
        "# A lens's widest apertures are given at each focal length they are known for.\n";
    if (!bag.chosenBody.empty() || !bag.chosenLens.empty()) {
        text += "\n[chosen]\nbody = " + bag.chosenBody + "\nlens = " + bag.chosenLens + "\n";
    }
    for (const BagBody& b : bag.bodies) {
        text += BodyText(b);
    }
    for (const BagLens& l : bag.lenses) {
        text += LensText(l);
    }
    for (const BagPin& p : bag.pins) {
        text += PinText(p);
    }
    return text;
}

double WidestApertureAt(const BagLens& lens, double focalMm) {
    const std::vector<ApertureAt>& w = lens.widest;
    if (w.empty()) {
        return 0;
    }
    if (focalMm <= w.front().focalMm) {
        return w.front().fNumber;
    }
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (focalMm <= w[i].focalMm) {
            const double t = (focalMm - w[i - 1].focalMm) / (w[i].focalMm - w[i - 1].focalMm);
            return w[i - 1].fNumber + t * (w[i].fNumber - w[i - 1].fNumber);
        }
    }
    return w.back().fNumber;
}
