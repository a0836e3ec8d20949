// SPDX-License-Identifier: MIT
// The settings reader on arbitrary file contents: GetLine's pieces, comments
// and trimming, then the key and value of each line.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "core/settings/settings_text.h"
#include "program/kadrel.h"
#include "services/key_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (file == nullptr) {
        return 0;  // fmemopen refuses an empty buffer
    }
    Settings s;
    while (const char* line = GetLine(file)) {
        ApplySettingsLine(line, &s);
    }
    std::fclose(file);
    return 0;
}
