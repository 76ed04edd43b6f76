#pragma once
// A read-only memory mapping of a whole file.

#include <cstdint>
#include <span>
#include <string>

namespace cad {

class MappedFile {
public:
    // Throws ReadError naming the file and the system's reason when it cannot be
    // opened or mapped.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
    // Tells the system that bytes before `offset` will not be read again, so that
    // their pages need not stay in memory.
    void release(std::size_t offset);

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t released_ = 0;
};

} // namespace cad
