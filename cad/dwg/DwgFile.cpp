#include "cad/dwg/DwgFile.h"

#include "cad/ReadError.h"
#include "cad/dwg/DwgBitReader.h"
#include "cad/dwg/DwgSections2004.h"

#include <array>
#include <cstring>
#include <string_view>

namespace cad::dwg {

namespace {

struct ReleaseName {
    std::string_view version;
    std::string_view release;
};

// Releases by version string, for the message about a file this reader does
// not read.
constexpr std::array<ReleaseName, 12> kReleases{{
    {"AC1.50", "2.05"},
    {"AC2.10", "2.10"},
    {"AC1001", "2.5"},
    {"AC1002", "2.6"},
    {"AC1003", "9"},
    {"AC1004", "10"},
    {"AC1006", "10"},
    {"AC1009", "R11/R12"},
    {"AC1021", "2007"},
    {"AC1024", "2010"},
    {"AC1027", "2013"},
    {"AC1032", "2018"},
}};

Release releaseOf(std::string_view version) {
    if (version == "AC1012")
        return Release::R13;
    if (version == "AC1014")
        return Release::R14;
    if (version == "AC1015")
        return Release::R2000;
    if (version == "AC1018")
        return Release::R2004;
    std::string_view name;
    for (const auto& known : kReleases)
        if (known.version == version)
            name = known.release;
    if (name.empty())
        throw ReadError("not a DWG drawing of a known release");
    throw ReadError("DWG release " + std::string(name) + " (" + std::string(version) +
                    ") is not supported yet");
}

// The fixed start of the file: version, code page and section locators.
struct SectionLocator {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

constexpr std::size_t kCodePageOffset = 0x13;
constexpr const char* kClassesName = "AcDb:Classes";
constexpr const char* kObjectMapName = "AcDb:Handles";
constexpr const char* kObjectsName = "AcDb:AcDbObjects";
constexpr std::size_t kLocatorCountOffset = 0x15;
constexpr unsigned kHeaderSection = 0, kClassesSection = 1, kObjectMapSection = 2;

std::vector<SectionLocator> readLocators(std::span<const std::uint8_t> bytes) {
    BitReader r(bytes);
    r.seekBit(kLocatorCountOffset * 8);
    const auto count = r.count(r.rawLong(), 9 * 8);
    std::vector<SectionLocator> locators(3);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned number = r.rawChar();
        SectionLocator locator;
        locator.offset = r.rawLong();
        locator.size = r.rawLong();
        if (number < locators.size())
            locators[number] = locator;
    }
    for (unsigned number : {kHeaderSection, kClassesSection, kObjectMapSection}) {
        const auto& l = locators[number];
        if (l.offset == 0 || l.offset > bytes.size() || l.size > bytes.size() - l.offset)
            throw ReadError("section " + std::to_string(number) +
                            " of the file lies outside it (at byte " + std::to_string(l.offset) +
                            ")");
    }
    return locators;
}

constexpr std::array<std::uint8_t, 16> kClassesSentinel = {
    0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5, 0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
constexpr int kEntityClass = 0x1F2;
// The smallest class record: two bit shorts, three empty texts, a bit and a
// bit short, each of the shortest form.
constexpr std::size_t kMinClassBits = 2 + 2 + 3 * 2 + 1 + 2;

std::unordered_map<int, DwgClass> readClasses(std::span<const std::uint8_t> bytes,
                                              SectionLocator where, Release release) {
    const auto section = bytes.subspan(where.offset, where.size);
    if (section.size() < 20 ||
        std::memcmp(section.data(), kClassesSentinel.data(), kClassesSentinel.size()) != 0)
        throw ReadError("the classes section at byte " + std::to_string(where.offset) +
                        " has no start mark");
    BitReader r(section, where.offset);
    r.seekBit(16 * 8);
    const std::size_t size = r.rawLong();
    if (size > section.size() - 20)
        r.fail("the classes section is longer than its place");
    r.limitTo((20 + size) * 8);
    if (release == Release::R2004) {
        r.bitShort(); // the highest class number
        r.rawChar();
        r.rawChar();
        r.bit();
    }
    std::unordered_map<int, DwgClass> classes;
    while (r.bitsLeft() >= kMinClassBits) {
        const int number = r.bitShort();
        r.bitShort(); // version
        r.text();     // application name
        r.text();     // C++ class name
        DwgClass c;
        c.dxfName = r.text();
        r.bit(); // was a zombie
        c.entity = r.bitShort() == kEntityClass;
        if (release == Release::R2004) {
            r.bitLong();  // objects of the class in the drawing
            r.bitShort(); // release of the class
            r.bitShort(); // maintenance release
            r.bitLong();
            r.bitLong();
        }
        classes[number] = std::move(c);
    }
    return classes;
}

std::uint16_t bigEndianShort(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint16_t((bytes[at] << 8) | bytes[at + 1]);
}

// The object map: pages of at most 2 KB, each a big-endian size (counting
// itself), handle and offset deltas as modular numbers, and a CRC; a page of
// size 2 ends the map.
std::vector<ObjectLocation> readObjectMap(std::span<const std::uint8_t> bytes, SectionLocator where,
                                          std::size_t objectsSize) {
    std::vector<ObjectLocation> objects;
    std::size_t page = where.offset;
    const std::size_t end = std::size_t(where.offset) + where.size;
    while (true) {
        if (page + 2 > end)
            throw ReadError("the object map ends without its last page at byte " +
                            std::to_string(page));
        const std::size_t size = bigEndianShort(bytes, page);
        if (size <= 2)
            break;
        if (page + size + 2 > end)
            throw ReadError("an object map page runs past the map at byte " + std::to_string(page));
        BitReader r(bytes.subspan(page + 2, size - 2), page + 2);
        std::uint64_t handle = 0;
        std::int64_t offset = 0;
        while (r.bitsLeft() > 0) {
            handle += r.modularChar();
            offset += r.signedModularChar();
            if (offset < 0 || std::uint64_t(offset) >= objectsSize)
                r.fail("the object map names an offset outside the objects");
            objects.push_back({handle, std::size_t(offset)});
        }
        page += size + 2;
    }
    return objects;
}

} // namespace

std::string codePageName(unsigned number) {
    static constexpr std::array<std::string_view, 45> names = {
        "",          "ASCII",     "ISO8859-1", "ISO8859-2", "ISO8859-3", "ISO8859-4", "ISO8859-5",
        "ISO8859-6", "ISO8859-7", "ISO8859-8", "ISO8859-9", "DOS437",    "DOS850",    "DOS852",
        "DOS855",    "DOS857",    "DOS860",    "DOS861",    "DOS863",    "DOS864",    "DOS865",
        "DOS869",    "DOS932",    "MACINTOSH", "BIG5",      "KSC5601",   "JOHAB",     "DOS866",
        "ANSI_1250", "ANSI_1251", "ANSI_1252", "GB2312",    "ANSI_1253", "ANSI_1254", "ANSI_1255",
        "ANSI_1256", "ANSI_1257", "ANSI_874",  "ANSI_932",  "ANSI_936",  "ANSI_949",  "ANSI_950",
        "ANSI_1361", "ANSI_1200", "ANSI_1258"};
    return number < names.size() ? std::string(names[number]) : std::string();
}

DwgFile readDwgDirectory(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 6 || std::memcmp(bytes.data(), "AC", 2) != 0)
        throw ReadError("not a DWG drawing");
    DwgFile file;
    file.version.assign(reinterpret_cast<const char*>(bytes.data()), 6);
    file.release = releaseOf(file.version);
    if (bytes.size() < kLocatorCountOffset + 4)
        throw ReadError("the file ends inside its header");
    file.codePage = codePageName(bytes[kCodePageOffset] | (bytes[kCodePageOffset + 1] << 8));
    if (file.release == Release::R2004) {
        auto sections = readSections2004(bytes, {kClassesName, kObjectMapName, kObjectsName});
        const auto& classes = sections[kClassesName];
        const auto& map = sections[kObjectMapName];
        file.classes = readClasses(classes, {0, std::uint32_t(classes.size())}, file.release);
        file.objectSection = std::move(sections[kObjectsName]);
        file.objects =
            readObjectMap(map, {0, std::uint32_t(map.size())}, file.objectSection.size());
        return file;
    }
    const auto locators = readLocators(bytes);
    file.classes = readClasses(bytes, locators[kClassesSection], file.release);
    file.objects = readObjectMap(bytes, locators[kObjectMapSection], bytes.size());
    return file;
}

} // namespace cad::dwg
