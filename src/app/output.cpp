#include "app/output.h"

#include <cerrno>
#include <cstring>

int FinishOutput(std::FILE* out, std::FILE* err) {
    errno = 0;
    if (std::fflush(out) == 0 && std::ferror(out) == 0) {
        return 0;
    }
    // errno names the reason when the flush failed; an error left by an
    // earlier write has none any more.
    const int reason = errno;
    std::fprintf(err, "kadrel: write error%s%s\n", reason != 0 ? ": " : "",
                 reason != 0 ? std::strerror(reason) : "");
    return 1;
}
