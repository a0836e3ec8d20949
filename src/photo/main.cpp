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

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "photo_reader.h"
#include "platform/regular_file.h"

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

constexpr std::size_t kLargestPhoto = std::size_t{512} << 20;  // bytes; raw files stay well under
constexpr rlim_t kProcessorSeconds = 4;

void Limit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

// Why the photo at path cannot be mapped, for the user; "" when it can.
std::string Refusal(const FileFault& fault) {
    switch (fault.kind) {
        case FileFault::kNone:
            return "";
        case FileFault::kFolder:
            return "it is a folder, not a photo";
        case FileFault::kNotRegular:
            return "it is not a regular file";
        case FileFault::kTooLarge:
            return "the file is too large for a photo (over 512 MB)";
        case FileFault::kCannotOpen:
        case FileFault::kCannotRead:
            break;
    }
    return fault.error == EACCES || fault.error == EPERM ? "no permission to read it"
           : fault.missing()                             ? "there is no such file"
                                                         : fault.Reason();
}

// The mapped photo, unmapped on every way out.
class MappedFile {
  public:
    ~MappedFile() {
        if (data_ != MAP_FAILED) {
            munmap(data_, size_);
        }
    }

    // "" when mapped, else why not, for the user.
    std::string Open(const char* path) {
        const std::string refusal =
            Refusal(OpenRegularFile(path, O_RDONLY, kLargestPhoto, &fd_, &size_));
        if (!refusal.empty()) {
            return refusal;
        }
        if (size_ == 0) {
            return "the file is empty";
        }
        data_ = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_.get(), 0);
        return data_ == MAP_FAILED ? std::strerror(errno) : "";
    }

    const unsigned char* data() const { return static_cast<const unsigned char*>(data_); }
    long size() const { return static_cast<long>(size_); }

  private:
    Descriptor fd_;
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
