// SPDX-License-Identifier: MIT
// Process entry; KadrelMain owns the runtime and closes it before returning.
#include "start/start.h"

int main(int argc, char* argv[]) {
    return KadrelMain(argc, argv);
}
