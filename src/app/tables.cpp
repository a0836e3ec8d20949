// The cards for the panel's camera and their exports.
#include "app/tables.h"

#include "app/kadrel.h"
#include "core/circle_of_confusion.h"
#include "core/f_stops.h"
#include "core/sensor_presets.h"
#include "core/table_csv.h"
#include "core/table_text.h"
#include "core/text_format.h"
#include "core/whole_file.h"

TableChoice tableChoice;

namespace {

const char kTitle[] = "kadrel depth-of-field table";

// The circle and the units every figure beside the report takes.
const CocChoice kCoc{};
constexpr Units kUnits = Units::Metric;

}  // namespace

std::vector<double> TableFocals() {
    return tableChoice.focals.empty() ? std::vector<double>{settings.focal} : tableChoice.focals;
}

std::vector<double> TableApertures() {
    return tableChoice.apertures.empty() ? FullStops() : tableChoice.apertures;
}

std::vector<double> TableDistances() {
    return tableChoice.distances.empty() ? StandardDistances(kUnits) : tableChoice.distances;
}

std::string CameraText() {
    std::string text =
        TextFormat("%g \u00d7 %g mm, %d \u00d7 %d pixels", static_cast<double>(settings.xsize),
                   static_cast<double>(settings.ysize), settings.xresol, settings.yresol);
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        if (p.xsize == settings.xsize && p.ysize == settings.ysize && p.xresol == settings.xresol &&
            p.yresol == settings.yresol) {
            return std::string(p.name) + ", " + text;
        }
    }
    return text;
}

double CocMm() {
    return CocMillimetres(kCoc, settings);
}

std::string CocText() {
    return CocLabel(kCoc, settings);
}

Units TableUnits() {
    return kUnits;
}

std::string DistanceText(double metres) {
    return FormatDistance(metres, kUnits);
}

std::vector<DofTable> BuildTables() {
    std::vector<DofTable> tables;
    for (double focal : TableFocals()) {
        tables.push_back(BuildDofTable(focal, CocMm(), TableApertures(), TableDistances()));
    }
    return tables;
}

std::string ExportTablePdf(const std::string& path) {
    const std::string html = CardsHtml(BuildTables(), CameraText(), CocText(), DistanceText);
    if (SaveHtmlAsPdf(html.c_str(), kTitle, path.c_str()) < 0) {
        return LastUIFailure();
    }
    return {};
}

std::string ExportTableCsv(const std::string& path) {
    return ReplaceWholeFile(FollowLinks(path), TableCsv(CameraText(), BuildTables(), kUnits));
}

void PrintTables(int panel) {
    const std::string html = CardsHtml(BuildTables(), CameraText(), CocText(), DistanceText);
    if (PrintHtml(panel, html.c_str(), kTitle) < 0) {
        MessagePopup("kadrel", (std::string("Cannot print: ") + LastUIFailure()).c_str());
    }
}
