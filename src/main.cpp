// Process entry; the runtime releases itself at exit.
#include "kadrel.h"

int main(int argc, char* argv[]) {
    return KadrelMain(argc, argv);
}
