// SPDX-License-Identifier: MIT
#include "core/tables/table_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

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

// The cards' type, and the width a table may take: A4, the narrower of the
// two papers, less its 12 mm margins, in ems of that type.
constexpr int kCardPoints = 8;
constexpr double kWidthEms = 186 / (kCardPoints * 25.4 / 72);
constexpr double kCellEms = 0.8;  // a cell's padding and borders

// How wide a line of the cards' type is, in ems: Liberation Sans (Arial's
// widths) gives a digit 0.56, "m" 0.83, a point or blank 0.28; any other
// character is taken at 0.6, on the wide side.
double Ems(const std::string& text) {
    double ems = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) {
            continue;  // within a character of several bytes
        }
        ems += c == 'm' ? 0.83 : c == '.' || c == ' ' ? 0.28 : std::isdigit(c) ? 0.56 : 0.6;
    }
    return ems;
}

// A card before markup: the head of each row down the side and, per row, the
// lines of each cell (near over far); the first row is the apertures'.
struct Grid {
    std::vector<std::string> heads;
    std::vector<std::vector<std::vector<std::string>>> cells;
};

Grid CardGrid(const DofTable& table, const DistanceFormat& format) {
    Grid grid;
    std::vector<std::vector<std::string>> row;
    for (double n : table.apertures) {
        row.push_back({ApertureText(n)});
    }
    grid.heads.push_back("Focus");
    grid.cells.push_back(row);
    for (std::size_t i = 0; i < table.distances.size(); ++i) {
        row.clear();
        for (const SharpLimits& cell : table.cells[i]) {
            row.push_back(
                std::isnan(cell.nearLimit)
                    ? std::vector<std::string>{CellText(cell, format, "")}
                    : std::vector<std::string>{format(cell.nearLimit), format(cell.farLimit)});
        }
        grid.heads.push_back(format(table.distances[i]));
        grid.cells.push_back(row);
    }
    for (double share : {1.0, 0.5}) {
        row.clear();
        for (double h : table.hyperfocal) {
            row.push_back({format(h * share)});
        }
        grid.heads.push_back(share == 1 ? "H" : "H/2");
        grid.cells.push_back(row);
    }
    return grid;
}

double ColumnEms(const Grid& grid, std::size_t column) {
    double widest = 0;
    for (const auto& row : grid.cells) {
        for (const std::string& line : row[column]) {
            widest = std::max(widest, Ems(line));
        }
    }
    return widest + kCellEms;
}

// The apertures cut into as few parts as the page's width allows, each a
// [first, last) range of about the same count, so that every figure stays on
// one line. A single column always makes a part.
std::vector<std::pair<std::size_t, std::size_t>> Parts(const Grid& grid) {
    double side = 0;
    for (const std::string& head : grid.heads) {
        side = std::max(side, Ems(head) + kCellEms);
    }
    const std::size_t count = grid.cells[0].size();
    for (std::size_t wanted = 1;; ++wanted) {
        const std::size_t each = (count + wanted - 1) / wanted;
        std::vector<std::pair<std::size_t, std::size_t>> parts;
        double widest = 0;
        for (std::size_t first = 0; first < count; first += each) {
            parts.push_back({first, std::min(count, first + each)});
            double width = side;
            for (std::size_t column = first; column < parts.back().second; ++column) {
                width += ColumnEms(grid, column);
            }
            widest = std::max(widest, width);
        }
        if (widest <= kWidthEms || each == 1) {
            return parts;
        }
    }
}

std::string Row(const char* cell, const std::string& head,
                const std::vector<std::vector<std::string>>& cells, std::size_t first,
                std::size_t last) {
    std::string row = "<tr><th align=\"left\">" + Escaped(head) + "</th>";
    for (std::size_t column = first; column < last; ++column) {
        std::string text;
        for (const std::string& line : cells[column]) {
            text += (text.empty() ? "" : "<br>") + Escaped(line);
        }
        row += TextFormat("<%s align=\"center\">%s</%s>", cell, text.c_str(), cell);
    }
    return row + "</tr>\n";
}

// The heads of a part (the apertures' row) repeat on every page it reaches.
std::string Part(const Grid& grid, std::size_t first, std::size_t last) {
    std::string html =
        TextFormat(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%%\" "
            "style=\"border-collapse: collapse; border-color: #888888; font-size: %dpt; "
            "white-space: nowrap\">\n<thead>",
            kCardPoints) +
        Row("th", grid.heads[0], grid.cells[0], first, last) + "</thead>\n";
    for (std::size_t i = 1; i < grid.heads.size(); ++i) {
        html += Row("td", grid.heads[i], grid.cells[i], first, last);
    }
    return html + "</table>\n";
}

std::string Card(const DofTable& table, const std::string& camera, const std::string& coc,
                 const DistanceFormat& format) {
    const std::vector<std::string> header = CardHeader(table, camera, coc);
    std::string html = "<h2>" + Escaped(header[0]) + "</h2>\n<p>";
    for (std::size_t i = 1; i < header.size(); ++i) {
        html += Escaped(header[i]) + (i + 1 < header.size() ? "<br>" : "</p>\n");
    }
    const Grid grid = CardGrid(table, format);
    for (const auto& [first, last] : Parts(grid)) {
        if (first > 0) {
            html += "<p><b>" + Escaped(header[0]) + ", continued</b></p>\n";
        }
        html += Part(grid, first, last);
    }
    return html;
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
    return {TextFormat("Depth of field, %g mm lens", Millimetres(table.focal)), "Camera: " + camera,
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
