#include "cad/MappedFile.h"

#include "cad/ReadError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cad {

namespace {
[[noreturn]] void failFile(const std::string& path, const char* what, int error) {
    throw ReadError(path + ": " + what + ": " + std::strerror(error));
}
} // namespace

MappedFile::MappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        failFile(path, "cannot open the file", errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        failFile(path, "cannot read the file", error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw ReadError(path + ": not a regular file");
    }
    size_ = std::size_t(info.st_size);
    if (size_ > 0) {
        void* mapping = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapping == MAP_FAILED) {
            const int error = errno;
            ::close(fd);
            failFile(path, "cannot map the file", error);
        }
        data_ = static_cast<const std::uint8_t*>(mapping);
        ::madvise(mapping, size_, MADV_SEQUENTIAL);
    }
    ::close(fd);
}

MappedFile::~MappedFile() {
    if (data_)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

void MappedFile::release(std::size_t offset) {
    // In steps of a few megabytes, so that the calls cost nothing worth counting.
    constexpr std::size_t kStep = 8 << 20;
    if (!data_ || offset < released_ + kStep)
        return;
    static const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    const std::size_t end = offset / page * page;
    ::madvise(const_cast<std::uint8_t*>(data_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

} // namespace cad
