// SPDX-License-Identifier: MIT
// make_photo OUT d70|20d: a test photo of one of the two cameras, for the
// end-to-end tests of the shipped program.
#include <cstdio>
#include <cstring>

#include "../photo_maker.h"

int main(int argc, char* argv[]) {
    if (argc != 3 || (std::strcmp(argv[2], "d70") != 0 && std::strcmp(argv[2], "20d") != 0)) {
        std::fprintf(stderr, "usage: make_photo OUT d70|20d\n");
        return 2;
    }
    return MakePhoto(argv[1], std::strcmp(argv[2], "d70") == 0 ? NikonD70Tags() : CanonEos20dTags())
               ? 0
               : 1;
}
