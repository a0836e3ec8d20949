// SPDX-License-Identifier: MIT
// bag.ini, read at start-up and saved whole whenever the bag changes.
#include "app/bag.h"

#include "app/key_files.h"

Bag bag;
char bagFullPath[MAX_PATHNAME_LEN];

namespace {

FileBeside file{"bag.ini",
                "kadrel could not read its camera bag and starts with an empty one. "
                "It will not overwrite this file:",
                "kadrel keeps this camera bag until it ends but will not overwrite",
                "kadrel could not save its camera bag in",
                bagFullPath,
                {}};

}  // namespace

void LocateBagFile() {
    LocateFileBeside(&file);
}

std::string ReadBagFile() {
    BagReader reader;
    const std::string problem =
        ReadFileBeside(&file, [&reader](const char* line) { reader.Line(line); });
    bag = reader.Result();
    return problem;
}

void TellIfBagUnreadable() {
    TellIfUnreadable(file);
}

bool WriteBagFile() {
    return WriteFileBeside(file, BagFileText(bag));
}
