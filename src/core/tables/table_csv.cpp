// SPDX-License-Identifier: MIT
#include "core/tables/table_csv.h"

#include <charconv>

#include "core/text/csv.h"

namespace {

// At most six significant digits, C locale: enough for a focal length, an
// f-number or a circle of confusion worked out in single precision.
std::string Short(double value) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

// A distance in the table's unit, three decimals; "inf", or empty for none.
std::string Distance(double metres, Units units) {
    return CsvNumber(units == Units::Imperial ? metres / kFootMetres : metres, 3);
}

}  // namespace

std::string TableCsv(const std::string& camera, const std::vector<DofTable>& tables, Units units) {
    const std::string unit = units == Units::Imperial ? "ft" : "m";
    std::string csv = "camera,focal_mm,coc_mm,aperture,focus_" + unit + ",near_" + unit + ",far_" +
                      unit + ",hyperfocal_" + unit + ",hyperfocal_near_" + unit + "\r\n";
    const std::string cameraField = CsvField(camera);
    for (const DofTable& table : tables) {
        const std::string lens = cameraField + "," + Short(Millimetres(table.focal)) + "," +
                                 Short(Millimetres(table.circle)) + ",";
        for (std::size_t i = 0; i < table.distances.size(); ++i) {
            for (std::size_t j = 0; j < table.apertures.size(); ++j) {
                const SharpLimits& cell = table.cells[i][j];
                const double h = table.hyperfocal[j];
                csv += lens + Short(table.apertures[j]) + "," +
                       Distance(table.distances[i], units) + "," + Distance(cell.nearLimit, units) +
                       "," + Distance(cell.farLimit, units) + "," + Distance(h, units) + "," +
                       Distance(h / 2, units) + "\r\n";
            }
        }
    }
    return csv;
}
