// SPDX-License-Identifier: MIT
// Process entry; KadrelMain owns the runtime and closes it before returning.
#include "app/kadrel.h"

int main(int argc, char* argv[]) {
    return KadrelMain(argc, argv);
}
