// SPDX-License-Identifier: MIT
// preferences.ini on arbitrary contents: each line as a preferences line,
// as a typed distance in both units, and as a circle of confusion, whose file
// text must read back as the same choice. The same lines as bag.ini: the bag
// read from them must write a text that reads back as the same bag.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/settings/bag_text.h"
#include "core/settings/preferences_text.h"
#include "program/kadrel.h"
#include "services/key_files.h"

namespace {

void Distance(const char* line) {
    for (Units units : {Units::Metric, Units::Imperial}) {
        double metres = 0;
        if (ParseDistance(line, units, true, &metres) &&
            (!(metres > 0) || FormatDistance(metres, units).empty())) {
            std::abort();
        }
    }
}

void Circle(const char* line) {
    CocChoice choice;
    if (!ParseCoc(line, &choice)) {
        return;
    }
    CocChoice again;
    if (!ParseCoc(CocText(choice), &again) || again.kind != choice.kind ||
        again.value != choice.value || again.viewingMm != choice.viewingMm) {
        std::abort();
    }
    CocLabel(choice, kFactorySettings);
}

std::string BagTextReadBack(const std::string& text) {
    BagReader reader;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        reader.Line(text.substr(start, end - start).c_str());
    }
    return BagFileText(reader.Result());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (file == nullptr) {
        return 0;  // fmemopen refuses an empty buffer
    }
    Preferences preferences;
    BagReader bag;
    while (const char* line = GetLine(file)) {
        ApplyPreferencesLine(line, &preferences);
        bag.Line(line);
        Distance(line);
        Circle(line);
    }
    std::fclose(file);
    PreferencesFileText(preferences);
    const std::string bagText = BagFileText(bag.Result());
    if (BagTextReadBack(bagText) != bagText) {
        std::abort();
    }
    return 0;
}
