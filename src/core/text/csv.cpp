// SPDX-License-Identifier: MIT
#include "core/text/csv.h"

#include <charconv>
#include <cmath>

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string CsvNumber(double value, int decimals) {
    if (std::isnan(value)) {
        return "";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    // to_chars never consults the locale. The largest double in fixed
    // notation has 309 digits before the point.
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return written.ec == std::errc() ? std::string(digits, written.ptr) : "";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        row += (i > 0 ? "," : "") + fields[i];
    }
    return row + "\r\n";
}
