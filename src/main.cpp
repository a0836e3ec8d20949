// Process entry: runs kadrel and releases the runtime before exit.
#include "kadrel.h"

int main(int argc, char* argv[]) {
    const int status = KadrelMain(argc, argv);
    CloseCVIRTE();
    return status;
}
