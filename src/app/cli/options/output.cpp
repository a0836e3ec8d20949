// SPDX-License-Identifier: MIT
#include "cli/options/output.h"

#include <cerrno>
#include <cstring>

namespace {

int firstWriteError = 0;  // errno of the first failed WriteOutput

}  // namespace

void WriteOutput(std::FILE* out, const std::string& text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() && firstWriteError == 0) {
        firstWriteError = errno;
    }
}

int FinishOutput(std::FILE* out, std::FILE* err) {
    errno = 0;
    if (std::fflush(out) == 0 && std::ferror(out) == 0) {
        return 0;
    }
    // errno names the reason when the flush failed; an error left by an
    // earlier write is named only when that write kept it.
    const int reason = errno != 0 ? errno : firstWriteError;
    std::fprintf(err, "kadrel: write error%s%s\n", reason != 0 ? ": " : "",
                 reason != 0 ? std::strerror(reason) : "");
    return 1;
}
