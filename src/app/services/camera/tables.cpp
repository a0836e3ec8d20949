// SPDX-License-Identifier: MIT
// The cards for a camera and their exports: for the live setup in the
// window, for the camera options on the command line.
#include "services/camera/tables.h"

#include "app/version.h"
#include "core/optics/f_stops.h"
#include "core/settings/sensor_presets.h"
#include "core/tables/table_csv.h"
#include "core/tables/table_text.h"
#include "core/text/text_format.h"
#include "platform/replace_file.h"
#include "services/camera/bag.h"
#include "services/live_setup.h"
#include "ui/userint_extras.h"

TableChoice tableChoice;

namespace {

const char kTitle[] = "kadrel depth-of-field table";

}  // namespace

std::vector<double> ChosenFocals(const TableChoice& choice, const Settings& camera) {
    return choice.focals.empty() ? std::vector<double>{camera.focal} : choice.focals;
}

std::vector<double> ChosenApertures(const TableChoice& choice, double focal) {
    if (!choice.apertures.empty()) {
        return choice.apertures;
    }
    const std::vector<double> stops = StopsWithin(FullStops(), ChosenLensStops(focal));
    return stops.empty() ? FullStops() : stops;  // beyond them all: the limits remark says so
}

std::vector<double> ChosenDistances(const TableChoice& choice, Units units) {
    return choice.distances.empty() ? StandardDistances(units) : choice.distances;
}

std::vector<DofTable> BuildTables(const Settings& camera, const Preferences& prefs,
                                  const TableChoice& choice) {
    std::vector<DofTable> tables;
    const double coc = CocMillimetres(prefs.coc, camera);
    for (double focal : ChosenFocals(choice, camera)) {
        tables.push_back(BuildDofTable(Metres(focal), Metres(coc), ChosenApertures(choice, focal),
                                       ChosenDistances(choice, prefs.units)));
    }
    return tables;
}

std::string CameraText(const Settings& camera) {
    const std::string text = SensorText(camera.xsize, camera.ysize, camera.xresol, camera.yresol);
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        if (p.xsize == camera.xsize && p.ysize == camera.ysize && p.xresol == camera.xresol &&
            p.yresol == camera.yresol) {
            return std::string(p.name) + ", " + text;
        }
    }
    return text;
}

std::string TablesHtml(const Settings& camera, const Preferences& prefs,
                       const TableChoice& choice) {
    const Units units = prefs.units;
    return CardsHtml(BuildTables(camera, prefs, choice), CameraText(camera),
                     CocLabel(prefs.coc, camera),
                     [units](double metres) { return FormatDistance(metres, units); });
}

std::string TablesCsv(const Settings& camera, const Preferences& prefs, const TableChoice& choice) {
    return TableCsv(CameraText(camera), BuildTables(camera, prefs, choice), prefs.units);
}

std::string WriteTablesPdf(const std::string& html, const std::string& path) {
    const std::string target = FollowLinks(path);
    if (std::string problem = CheckReplaceable(target); !problem.empty()) {
        return problem;
    }
    std::string pdf;
    const std::string creator = TextFormat("kadrel %.1f", kProgramVersion);
    if (HtmlAsPdf(html.c_str(), kTitle, creator.c_str(), &pdf) < 0) {
        return LastUIFailure();
    }
    return ReplaceWholeFile(target, pdf);
}

std::vector<double> TableFocals() {
    return ChosenFocals(tableChoice, CurrentSetup().camera);
}

std::vector<double> TableApertures() {
    return ChosenApertures(tableChoice, CurrentSetup().camera.focal);
}

std::vector<double> TableDistances() {
    return ChosenDistances(tableChoice, CurrentSetup().preferences.units);
}

std::vector<DofTable> BuildTables() {
    return BuildTables(CurrentSetup().camera, CurrentSetup().preferences, tableChoice);
}

std::string CameraText() {
    return CameraText(CurrentSetup().camera);
}

std::string CocText() {
    return CocLabel(CurrentSetup().preferences.coc, CurrentSetup().camera);
}

Units TableUnits() {
    return CurrentSetup().preferences.units;
}

std::string DistanceText(double metres) {
    return FormatDistance(metres, CurrentSetup().preferences.units);
}

std::string ExportTablePdf(const std::string& path) {
    return WriteTablesPdf(
        TablesHtml(CurrentSetup().camera, CurrentSetup().preferences, tableChoice), path);
}

std::string ExportTableCsv(const std::string& path) {
    return ReplaceWholeFile(FollowLinks(path), TablesCsv(CurrentSetup().camera,
                                                         CurrentSetup().preferences, tableChoice));
}

std::string PrintTables(int panel, std::string* file) {
    const std::string html =
        TablesHtml(CurrentSetup().camera, CurrentSetup().preferences, tableChoice);
    const int printed = PrintHtml(panel, html.c_str(), kTitle, file);
    if (printed < 0) {
        return LastUIFailure();
    }
    return printed == 2 ? WriteTablesPdf(html, *file) : std::string();
}
