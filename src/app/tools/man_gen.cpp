// SPDX-License-Identifier: MIT
// Build tool: writes the manual page from its template, with the KEYS
// section made from the program's own table of keys in place of the line
// ".\" KEYS", so the page lists what --help lists.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "services/keys.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[0] << ": " << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream page;
    bool placed = false;
    for (std::string line; std::getline(in, line);) {
        if (line == ".\\\" KEYS") {
            page << ManualKeys();
            placed = true;
        } else {
            page << line << '\n';
        }
    }
    if (!placed) {
        std::cerr << argv[0] << ": " << argv[1] << ": no line .\\\" KEYS to replace\n";
        return 1;
    }
    std::ofstream out(argv[2]);
    out << page.str();
    out.close();
    if (!out) {
        std::cerr << argv[0] << ": " << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
