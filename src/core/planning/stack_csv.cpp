// SPDX-License-Identifier: MIT
#include "core/planning/stack_csv.h"

#include <cmath>
#include <vector>

#include "core/text/csv.h"

namespace {

constexpr int kDecimals = 6;  // micrometres: steps on a macro rail are tenths of a millimetre

std::string Rows(const char* name, const StackPlan& plan) {
    std::string rows;
    for (size_t i = 0; i < plan.shots.size(); ++i) {
        const StackShot& shot = plan.shots[i];
        const std::string step =
            i > 0 ? CsvNumber(std::fabs(shot.focus - plan.shots[i - 1].focus), kDecimals) : "";
        rows += CsvRow({CsvField(name), std::to_string(i + 1), CsvNumber(shot.focus, kDecimals),
                        CsvNumber(shot.fromSensor, kDecimals), CsvNumber(shot.nearLimit, kDecimals),
                        CsvNumber(shot.farLimit, kDecimals),
                        CsvNumber(shot.farLimit - shot.nearLimit, kDecimals), step});
    }
    return rows;
}

}  // namespace

std::string StackCsv(const StackPlan& stack, const StackPlan& bracket) {
    std::vector<std::string> header;
    for (const char* title : {"plan", "shot", "focus from lens (m)", "focus from sensor (m)",
                              "near limit (m)", "far limit (m)", "depth (m)", "step (m)"}) {
        header.push_back(CsvField(title));
    }
    return CsvRow(header) + Rows("stack", stack) + Rows("hyperfocal", bracket);
}
