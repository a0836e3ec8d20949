// SPDX-License-Identifier: MIT
#include "core/tables/dof_table.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ReadNumberWithin(const std::string& text, double low, double high, double* value) {
    double read = 0;
    if (!ParsePlainNumber(text, &read) || !(read >= low) || !(read <= high)) {
        return false;
    }
    *value = read;
    return true;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

DofTable BuildDofTable(double f, double c, const std::vector<double>& apertures,
                       const std::vector<double>& distances) {
    DofTable table{f, c, apertures, distances, {}, {}};
    for (double n : apertures) {
        table.hyperfocal.push_back(Hyperfocal({f, n, c}));
    }
    for (double s : distances) {
        std::vector<SharpLimits> row;
        for (double n : apertures) {
            row.push_back(s > f ? ExactLimits({f, n, c}, s) : SharpLimits{NAN, NAN});
        }
        table.cells.push_back(row);
    }
    return table;
}

const std::vector<double>& StandardDistances(Units units) {
    static const std::vector<double> metric{0.5, 0.7, 1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30};
    static const std::vector<double> imperial = [] {
        std::vector<double> metres;
        for (double feet : {2, 3, 4, 5, 7, 10, 15, 20, 30, 50, 100}) {
            metres.push_back(feet * kFootMetres);
        }
        return metres;
    }();
    return units == Units::Metric ? metric : imperial;
}

bool ReadFocusDistance(const std::string& text, Units units, double* metres) {
    return ParseDistance(text, units, false, metres);
}

bool ParseList(const std::string& text, const ItemReader& item, std::vector<double>* values) {
    std::vector<double> read;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        double value = 0;
        if (read.size() == kMaxTableEntries ||
            !item(text.substr(start, comma == std::string::npos ? comma : comma - start), &value)) {
            return false;
        }
        read.push_back(value);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    *values = read;
    return true;
}

bool ReadFocalLength(const std::string& text, double* mm) {
    std::string number = Trimmed(text);
    if (number.size() > 2 && number.compare(number.size() - 2, 2, "mm") == 0) {
        number.resize(number.size() - 2);
    }
    return ReadNumberWithin(number, 10, 2000, mm);
}

bool ReadAperture(const std::string& text, double* n) {
    std::string number = Trimmed(text);
    if (StartsWith(number, "f/") || StartsWith(number, "F/")) {
        number.erase(0, 2);
    }
    return ReadNumberWithin(number, 0.5, 128, n);
}
