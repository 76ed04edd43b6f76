#include "drawing/FileAccess.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool holdsRange(const FileAccess& file, std::int64_t offset, std::int64_t length) {
    return offset >= 0 && length >= 0 && offset <= file.size() && length <= file.size() - offset;
}

bool readExactly(FileAccess& file, std::int64_t offset, char* buffer, std::int64_t length) {
    return holdsRange(file, offset, length) && file.readAt(offset, buffer, length) == length;
}

namespace {

[[noreturn]] void throwOpenError(const QString& fileName, const char* reason) {
    throw DrawingFileError(QStringLiteral("cannot open %1: %2")
                               .arg(fileName, QString::fromLocal8Bit(reason))
                               .toStdString());
}

} // namespace

LocalFileAccess::LocalFileAccess(const QString& fileName) {
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    fd_ = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        throwOpenError(fileName, std::strerror(errno));
    struct stat info {};
    const char* refusal = nullptr;
    if (::fstat(fd_, &info) != 0)
        refusal = std::strerror(errno);
    else if (S_ISDIR(info.st_mode))
        refusal = "it is a folder";
    else if (!S_ISREG(info.st_mode))
        refusal = "it is not a regular file";
    if (refusal) {
        ::close(fd_);
        throwOpenError(fileName, refusal);
    }
    size_ = info.st_size;
}

LocalFileAccess::~LocalFileAccess() {
    ::close(fd_);
}

std::int64_t LocalFileAccess::readAt(std::int64_t offset, char* buffer, std::int64_t length) {
    std::int64_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd_, buffer + done, static_cast<size_t>(length - done),
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

std::int64_t BufferFileAccess::readAt(std::int64_t offset, char* buffer, std::int64_t length) {
    if (offset < 0 || length <= 0 || offset >= bytes_.size())
        return 0;
    const std::int64_t count = std::min<std::int64_t>(length, bytes_.size() - offset);
    std::memcpy(buffer, bytes_.constData() + offset, static_cast<size_t>(count));
    return count;
}
