#include "cad/dwg/DwgSections2004.h"

#include "cad/ReadError.h"
#include "cad/dwg/DwgBitReader.h"
#include "cad/dwg/DwgDecompressor.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace cad::dwg {

namespace {

constexpr std::size_t kHeaderOffset = 0x80;
constexpr std::size_t kHeaderSize = 0x6C;
constexpr std::size_t kPageOffset = 0x100; // page addresses count from here
constexpr std::uint32_t kPageMapType = 0x41630E3B;
constexpr std::uint32_t kSectionMapType = 0x4163003B;
constexpr std::uint32_t kDataPageType = 0x4163043B;
constexpr std::uint32_t kDataPageMask = 0x4164536B;
// Maps and pages of sane files are far smaller; larger sizes are damage.
constexpr std::size_t kMaxMapSize = 16 << 20;
constexpr std::size_t kMaxSectionSize = 512 << 20;
constexpr std::size_t kMaxPageSize = 1 << 20;

std::uint32_t littleLong(std::span<const std::uint8_t> b, std::size_t at) {
    if (at + 4 > b.size())
        throw ReadError("the file ends inside its page data at byte " + std::to_string(at));
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) |
           (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint64_t littleLongLong(std::span<const std::uint8_t> b, std::size_t at) {
    return littleLong(b, at) | (std::uint64_t(littleLong(b, at + 4)) << 32);
}

// The header behind the plain one is masked with a pseudo-random byte stream.
std::array<std::uint8_t, kHeaderSize> decryptHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderOffset + kHeaderSize)
        throw ReadError("the file ends inside its header");
    std::array<std::uint8_t, kHeaderSize> header;
    std::uint32_t seed = 1;
    for (std::size_t i = 0; i < kHeaderSize; ++i) {
        seed = seed * 0x343FD + 0x269EC3;
        header[i] = bytes[kHeaderOffset + i] ^ std::uint8_t(seed >> 16);
    }
    if (std::memcmp(header.data(), "AcFssFcAJMB", 11) != 0)
        throw ReadError("the file's header does not decrypt to its mark");
    return header;
}

// A map page: type, sizes and compression, then the compressed data.
std::vector<std::uint8_t> readMapPage(std::span<const std::uint8_t> bytes, std::uint64_t address,
                                      std::uint32_t type) {
    if (address > bytes.size())
        throw ReadError("a map page lies outside the file (at byte " + std::to_string(address) +
                        ")");
    const std::size_t at = std::size_t(address);
    if (littleLong(bytes, at) != type)
        throw ReadError("the map page at byte " + std::to_string(at) + " has the wrong type");
    const std::size_t size = littleLong(bytes, at + 4);
    const std::size_t compressed = littleLong(bytes, at + 8);
    const std::uint32_t compression = littleLong(bytes, at + 12);
    const std::size_t data = at + 20;
    if (size > kMaxMapSize || compressed > bytes.size() - std::min(bytes.size(), data))
        throw ReadError("the map page at byte " + std::to_string(at) + " names a wrong size");
    const auto in = bytes.subspan(data, compressed);
    if (compression != 2)
        return {in.begin(), in.begin() + std::ptrdiff_t(std::min(size, in.size()))};
    return decompress(in, size);
}

// Page number -> file offset, from the page map.
std::unordered_map<std::int32_t, std::uint64_t> readPageMap(std::span<const std::uint8_t> map) {
    std::unordered_map<std::int32_t, std::uint64_t> pages;
    std::uint64_t address = kPageOffset;
    std::size_t at = 0;
    while (at + 8 <= map.size()) {
        const auto number = std::int32_t(littleLong(map, at));
        const std::uint32_t size = littleLong(map, at + 4);
        at += 8;
        if (number >= 0)
            pages[number] = address;
        else
            at += 16; // a gap: parent, left, right and a zero
        address += size;
    }
    return pages;
}

struct SectionPage {
    std::int32_t number = 0;
    std::uint32_t dataSize = 0;
    std::uint64_t start = 0;
};

struct SectionInfo {
    std::uint64_t size = 0;
    std::uint32_t maxPageSize = 0;
    bool compressed = true;
    std::vector<SectionPage> pages;
};

constexpr std::size_t kSectionNameSize = 64;
constexpr std::size_t kSectionInfoSize = 8 + 4 * 6 + kSectionNameSize;

std::map<std::string, SectionInfo, std::less<>> readSectionMap(std::span<const std::uint8_t> map) {
    std::map<std::string, SectionInfo, std::less<>> sections;
    const std::size_t count = littleLong(map, 0);
    std::size_t at = 20;
    for (std::size_t i = 0; i < count && at + kSectionInfoSize <= map.size(); ++i) {
        SectionInfo info;
        info.size = littleLongLong(map, at);
        const std::size_t pageCount = littleLong(map, at + 8);
        info.maxPageSize = littleLong(map, at + 12);
        info.compressed = littleLong(map, at + 20) == 2;
        if (info.maxPageSize > kMaxPageSize)
            throw ReadError("the section map names pages of a wrong size");
        const char* name = reinterpret_cast<const char*>(map.data() + at + 32);
        const std::string sectionName(name, strnlen(name, kSectionNameSize));
        at += kSectionInfoSize;
        if (pageCount > (map.size() - at) / 16)
            throw ReadError("the section map names more pages than it holds");
        for (std::size_t p = 0; p < pageCount; ++p, at += 16)
            info.pages.push_back({std::int32_t(littleLong(map, at)), littleLong(map, at + 4),
                                  littleLongLong(map, at + 8)});
        sections[sectionName] = std::move(info);
    }
    return sections;
}

// One page of a section: a masked 32-byte header, then its data.
void readSectionPage(std::span<const std::uint8_t> bytes, std::uint64_t address,
                     const SectionInfo& info, const SectionPage& page,
                     std::vector<std::uint8_t>& out) {
    if (address + 32 > bytes.size())
        throw ReadError("a section page lies outside the file (at byte " + std::to_string(address) +
                        ")");
    const std::size_t at = std::size_t(address);
    const std::uint32_t mask = kDataPageMask ^ std::uint32_t(address);
    if ((littleLong(bytes, at) ^ mask) != kDataPageType)
        throw ReadError("the section page at byte " + std::to_string(at) + " has the wrong type");
    const std::size_t compressed = littleLong(bytes, at + 8) ^ mask;
    if (compressed > bytes.size() - at - 32 || page.start > out.size())
        throw ReadError("the section page at byte " + std::to_string(at) + " names a wrong size");
    // Pages decompress to at most the section's page size; the section's size
    // cuts the last one.
    const std::size_t size = info.maxPageSize;
    const std::size_t kept = std::min(size, out.size() - std::size_t(page.start));
    const auto in = bytes.subspan(at + 32, compressed);
    std::vector<std::uint8_t> data;
    try {
        data = info.compressed ? decompress(in, size)
                               : std::vector<std::uint8_t>(in.begin(), in.end());
    } catch (const ReadError& e) {
        throw ReadError("the section page at byte " + std::to_string(at) + ": " + e.what());
    }
    std::copy_n(data.begin(), std::min(data.size(), kept),
                out.begin() + std::ptrdiff_t(page.start));
}

} // namespace

SectionData readSections2004(std::span<const std::uint8_t> bytes,
                             const std::vector<std::string>& wanted) {
    const auto header = decryptHeader(bytes);
    const std::span<const std::uint8_t> h(header);
    const std::uint32_t sectionMapId = littleLong(h, 0x5C);
    const std::uint64_t pageMapAddress = littleLongLong(h, 0x54) + kPageOffset;
    const auto pages = readPageMap(readMapPage(bytes, pageMapAddress, kPageMapType));
    auto mapPage = pages.find(std::int32_t(sectionMapId));
    if (mapPage == pages.end())
        throw ReadError("the page map does not locate the section map");
    const auto sections = readSectionMap(readMapPage(bytes, mapPage->second, kSectionMapType));
    SectionData result;
    for (const auto& name : wanted) {
        auto it = sections.find(name);
        if (it == sections.end())
            throw ReadError("the file has no section " + name);
        const auto& info = it->second;
        if (info.size > kMaxSectionSize || info.size > bytes.size() * 64)
            throw ReadError("the section " + name + " names a wrong size");
        std::vector<std::uint8_t> data(std::size_t(info.size), 0);
        for (const auto& page : info.pages) {
            auto address = pages.find(page.number);
            if (address == pages.end())
                throw ReadError("the section " + name + " names a page the file does not have");
            readSectionPage(bytes, address->second, info, page, data);
        }
        result[name] = std::move(data);
    }
    return result;
}

} // namespace cad::dwg
