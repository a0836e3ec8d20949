// SPDX-License-Identifier: MIT
#include "core/tables/table_text.h"

#include <cmath>

#include "core/text/text_format.h"

namespace {

std::string Escaped(const std::string& text) {
    std::string html;
    for (char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

std::string Row(const std::string& head, const std::vector<std::string>& cells) {
    std::string row = "<tr><th align=\"left\">" + Escaped(head) + "</th>";
    for (const std::string& cell : cells) {
        row += "<td align=\"center\">" + cell + "</td>";
    }
    return row + "</tr>\n";
}

std::string Card(const DofTable& table, const std::string& camera, const std::string& coc,
                 const DistanceFormat& format) {
    const std::vector<std::string> header = CardHeader(table, camera, coc);
    std::string html = "<h2>" + Escaped(header[0]) + "</h2>\n<p>";
    for (std::size_t i = 1; i < header.size(); ++i) {
        html += Escaped(header[i]) + (i + 1 < header.size() ? "<br>" : "</p>\n");
    }
    html +=
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
        "style=\"border-collapse: collapse; border-color: #888888\">\n";
    std::vector<std::string> cells;
    for (double n : table.apertures) {
        cells.push_back("<b>" + ApertureText(n) + "</b>");
    }
    html += Row("Focus", cells);
    const DistanceFormat escaped = [&format](double metres) { return Escaped(format(metres)); };
    for (std::size_t i = 0; i < table.distances.size(); ++i) {
        cells.clear();
        for (const SharpLimits& cell : table.cells[i]) {
            cells.push_back(CellText(cell, escaped, "<br>"));
        }
        html += Row(format(table.distances[i]), cells);
    }
    for (double share : {1.0, 0.5}) {
        cells.clear();
        for (double h : table.hyperfocal) {
            cells.push_back(escaped(h * share));
        }
        html += Row(share == 1 ? "H" : "H/2", cells);
    }
    return html + "</table>\n";
}

}  // namespace

std::string ApertureText(double n) {
    return TextFormat("f/%g", n);
}

std::string CellText(const SharpLimits& cell, const DistanceFormat& format, const char* between) {
    if (std::isnan(cell.nearLimit)) {
        return "\u2013";
    }
    return format(cell.nearLimit) + between + format(cell.farLimit);
}

std::vector<Magnitude> ColumnMagnitudes(const std::vector<DofTable>& tables, Units units) {
    std::vector<Magnitude> magnitudes;
    for (std::size_t j = 0; !tables.empty() && j < tables[0].apertures.size(); ++j) {
        std::vector<double> column;
        for (const DofTable& table : tables) {
            for (const std::vector<SharpLimits>& row : table.cells) {
                column.insert(column.end(), {row[j].nearLimit, row[j].farLimit});
            }
            column.push_back(table.hyperfocal[j]);
        }
        magnitudes.push_back(SharedMagnitude(column, units));
    }
    return magnitudes;
}

std::vector<std::string> CardHeader(const DofTable& table, const std::string& camera,
                                    const std::string& coc) {
    return {TextFormat("Depth of field, %g mm lens", table.focalMm), "Camera: " + camera,
            "Circle of confusion: " + coc,
            "Distances from the lens; each cell: near limit, then far limit of sharpness. "
            "H: hyperfocal distance, sharp from H/2 to \u221e when focused there."};
}

std::string CardsHtml(const std::vector<DofTable>& tables, const std::string& camera,
                      const std::string& coc, const DistanceFormat& format) {
    std::string html = "<html><body>\n";
    for (std::size_t i = 0; i < tables.size(); ++i) {
        html += i == 0 ? "<div>\n" : "<div style=\"page-break-before: always\">\n";
        html += Card(tables[i], camera, coc, format) + "</div>\n";
    }
    return html + "</body></html>\n";
}
