// SPDX-License-Identifier: MIT
#include "core/optics/circle_of_confusion.h"

#include <algorithm>
#include <cmath>

#include "core/text/text_format.h"
#include "core/text/units.h"

namespace {

// Acuity of the eye: 5 line pairs per mm at 250 mm, so a 0.2 mm spot on the
// print looks sharp from 250 mm, and proportionally more from further away.
constexpr double kPrintSpotMm = 0.2;
constexpr double kNearViewingMm = 250;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text before a trailing word (in any letter case), or false.
bool CutSuffix(const std::string& text, const char* word, std::string* rest) {
    const std::string tail(word);
    if (text.size() <= tail.size()) {
        return false;
    }
    const std::string end = text.substr(text.size() - tail.size());
    if (!std::equal(end.begin(), end.end(), tail.begin(),
                    [](char a, char b) { return AsciiLower(a) == b; })) {
        return false;
    }
    *rest = text.substr(0, text.size() - tail.size());
    return true;
}

bool CutPrefix(const std::string& text, const char* word, std::string* rest) {
    const std::string head(word);
    if (text.size() <= head.size() ||
        !std::equal(head.begin(), head.end(), text.begin(),
                    [](char a, char b) { return a == AsciiLower(b); })) {
        return false;
    }
    *rest = text.substr(head.size());
    return true;
}

bool Within(double value, double low, double high) {
    return value >= low && value <= high;
}

bool ParsePrint(const std::string& rest, CocChoice* choice) {
    const auto at = rest.find(" at ");
    double side = 0;
    double viewing = 0;
    if (at == std::string::npos || !ParseLengthMm(rest.substr(0, at), &side) ||
        !ParseLengthMm(rest.substr(at + 4), &viewing) || !Within(side, 10, 100000) ||
        !Within(viewing, 10, 100000)) {
        return false;
    }
    *choice = CocChoice{CocKind::Print, side, viewing};
    return true;
}

}  // namespace

bool ParseCoc(const std::string& input, CocChoice* choice) {
    const std::string text = Trimmed(input);
    std::string rest;
    double n = 0;
    if (CutPrefix(text, "print ", &rest)) {
        return ParsePrint(rest, choice);
    }
    if (CutPrefix(text, "d", &rest) && CutPrefix(Trimmed(rest), "/", &rest)) {
        if (!ParsePlainNumber(rest, &n) || !Within(n, 100, 10000)) {
            return false;
        }
        *choice = CocChoice{CocKind::DiagonalOver, n, 0};
        return true;
    }
    if (CutSuffix(text, "mm", &rest)) {
        if (!ParsePlainNumber(rest, &n) || !Within(n, 0.001, 1)) {
            return false;
        }
        *choice = CocChoice{CocKind::Millimetres, n, 0};
        return true;
    }
    if (CutSuffix(text, "px", &rest) || CutSuffix(text, "pixels", &rest) ||
        CutSuffix(text, "pixel", &rest)) {
        if (!ParsePlainNumber(rest, &n) || !Within(n, 0.5, 10)) {
            return false;
        }
        *choice = CocChoice{CocKind::Pixels, n, 0};
        return true;
    }
    return false;
}

std::string CocText(const CocChoice& choice) {
    const std::string value = ShortestNumber(choice.value);
    switch (choice.kind) {
        case CocKind::Pixels:
            return value + " px";
        case CocKind::DiagonalOver:
            return "d/" + value;
        case CocKind::Millimetres:
            return value + " mm";
        case CocKind::Print:
            return "print " + value + " mm at " + ShortestNumber(choice.viewingMm) + " mm";
    }
    return std::string();
}

double CocMillimetres(const CocChoice& choice, const Settings& s) {
    const double x = s.xsize;
    const double y = s.ysize;
    double mm = std::nan("");
    switch (choice.kind) {
        case CocKind::Pixels:
            // The pitch as the report takes it, so that 1 px agrees with it.
            mm = choice.value * PixelPitch(s);
            break;
        case CocKind::DiagonalOver:
            mm = std::sqrt(x * x + y * y) / choice.value;
            break;
        case CocKind::Millimetres:
            mm = choice.value;
            break;
        case CocKind::Print:
            mm = kPrintSpotMm * choice.viewingMm / kNearViewingMm / (choice.value / std::max(x, y));
            break;
    }
    return std::isfinite(mm) && mm > 0 ? mm : std::nan("");
}

float ReportCircle(const CocChoice& choice, const Settings& settings) {
    const double mm = CocMillimetres(choice, settings);
    return std::isnan(mm) ? PixelPitch(settings) : static_cast<float>(mm);
}

Lens LensInUse(const CocChoice& choice, const Settings& settings) {
    return {Metres(settings.focal), settings.aperture, Metres(CocMillimetres(choice, settings))};
}

bool IsOnePixel(const CocChoice& choice) {
    return choice.kind == CocKind::Pixels && choice.value == 1;
}

std::string CocLabel(const CocChoice& choice, const Settings& settings) {
    std::string label = TextFormat("CoC %.4f mm", CocMillimetres(choice, settings));
    if (choice.kind != CocKind::Millimetres) {
        label += " = " + CocText(choice);
    }
    return label;
}
