// SPDX-License-Identifier: MIT
// kadrel-photo PHOTO: what the photo says of its camera, as protocol lines.
// kadrel-photo --cameras: the database's camera bodies.
// kadrel-photo --lenses [DATABASE.xml]: its lenses, as bag.ini writes lenses.
//
// It runs under limits of its own before it touches a file: address space
// and processor time; the photo must be a regular file under the size cap.
// The parent adds a wall-clock limit and kills it when that passes.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "photo_reader.h"

// AddressSanitizer's shadow memory takes terabytes of address space: an
// instrumented build limits processor time and size only.
#if defined(__SANITIZE_ADDRESS__)
#define KADREL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KADREL_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

constexpr off_t kLargestPhoto = off_t{512} << 20;  // bytes; raw files stay well under
constexpr rlim_t kProcessorSeconds = 4;

void Limit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

// The mapped photo, unmapped and closed on every way out.
class MappedFile {
  public:
    ~MappedFile() {
        if (data_ != MAP_FAILED) {
            munmap(data_, size_);
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    // "" when mapped, else why not, for the user.
    std::string Open(const char* path) {
        // Non-blocking, so that a FIFO cannot hold the open.
        fd_ = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) {
            return errno == EACCES || errno == EPERM ? "no permission to read it"
                   : errno == ENOENT                 ? "there is no such file"
                                                     : std::strerror(errno);
        }
        struct stat st {};
        if (fstat(fd_, &st) != 0) {
            return std::strerror(errno);
        }
        if (S_ISDIR(st.st_mode)) {
            return "it is a folder, not a photo";
        }
        if (!S_ISREG(st.st_mode)) {
            return "it is not a regular file";
        }
        if (st.st_size == 0) {
            return "the file is empty";
        }
        if (st.st_size > kLargestPhoto) {
            return "the file is too large for a photo (over 512 MB)";
        }
        size_ = static_cast<size_t>(st.st_size);
        data_ = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
        return data_ == MAP_FAILED ? std::strerror(errno) : "";
    }

    const unsigned char* data() const { return static_cast<const unsigned char*>(data_); }
    long size() const { return static_cast<long>(size_); }

  private:
    int fd_ = -1;
    void* data_ = MAP_FAILED;
    size_t size_ = 0;
};

std::string ReadPhoto(const char* path) {
    MappedFile file;
    const std::string failure = file.Open(path);
    if (!failure.empty()) {
        return PhotoErrorText(failure);
    }
    PhotoFacts facts;
    std::string why;
    if (!ReadExifFacts(file.data(), file.size(), &facts, &why)) {
        return PhotoErrorText(why);
    }
    LookUpCamera(&facts);
    return PhotoProtocolText(CameraFromFacts(facts));
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef KADREL_ADDRESS_SANITIZER
    constexpr rlim_t kAddressSpace = rlim_t{1536} << 20;  // the mapped photo and the parsers
    Limit(RLIMIT_AS, kAddressSpace);
#endif
    Limit(RLIMIT_CPU, kProcessorSeconds);
    Limit(RLIMIT_CORE, 0);
    const bool lenses = argc >= 2 && std::strcmp(argv[1], "--lenses") == 0;
    if (argc != 2 && !(lenses && argc == 3)) {
        std::fprintf(stderr, "usage: kadrel-photo PHOTO | --cameras | --lenses [DATABASE.xml]\n");
        return 2;
    }
    const std::string answer = lenses ? BagFileText({{}, AllLenses(argv[2]), {}})
                               : std::strcmp(argv[1], "--cameras") == 0
                                   ? CameraListText(AllCameraBodies())
                                   : ReadPhoto(argv[1]);
    const bool written = std::fwrite(answer.data(), 1, answer.size(), stdout) == answer.size();
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}
