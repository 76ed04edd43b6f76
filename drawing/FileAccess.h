#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

// Raised when a drawing file cannot be opened or its content cannot be decoded.
class DrawingFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Random-access reading of one file's bytes. The preview reader goes through this
// interface only, so that what it reads can be served from memory or counted.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    // The number of bytes the file holds.
    virtual std::int64_t size() const = 0;

    // Copies up to `length` bytes from `offset` into `buffer`; returns how many
    // were copied, fewer at the end of the file or on a read error.
    virtual std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t length) = 0;
};

// True when the file holds the whole range of `length` bytes from `offset`;
// false for negative values.
bool holdsRange(const FileAccess& file, std::int64_t offset, std::int64_t length);

// Reads exactly `length` bytes at `offset`. False, without reading anything, when
// the range is negative or reaches past the file's end; false as well when the
// read itself comes back short.
bool readExactly(FileAccess& file, std::int64_t offset, char* buffer, std::int64_t length);

// A file on the local disk, opened read-only for as long as the object lives.
// Other programs may keep the file open and even write it meanwhile: the readers
// built on this class treat every short read as the end of what can be read.
class LocalFileAccess final : public FileAccess {
public:
    // Throws DrawingFileError naming the file and the reason when it cannot be
    // opened, or when it is a folder or another kind of non-regular file.
    explicit LocalFileAccess(const QString& fileName);
    ~LocalFileAccess() override;
    LocalFileAccess(const LocalFileAccess&) = delete;
    LocalFileAccess& operator=(const LocalFileAccess&) = delete;

    std::int64_t size() const override { return size_; }
    std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t length) override;

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
};

// A file's bytes already in memory (fuzzing, tests, embedded resources).
class BufferFileAccess final : public FileAccess {
public:
    explicit BufferFileAccess(QByteArray bytes) : bytes_(std::move(bytes)) {}

    std::int64_t size() const override { return bytes_.size(); }
    std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t length) override;

private:
    QByteArray bytes_;
};
