#pragma once
// Builds small DWG files of release 2000 bit by bit, for tests that need a
// drawing whose every byte they know.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dwgtest {

class BitWriter {
public:
    // Bits given as text: "0110 1".
    BitWriter& bits(std::string_view text) {
        for (char c : text)
            if (c == '0' || c == '1')
                bits_.push_back(c == '1');
        return *this;
    }
    BitWriter& value(std::uint64_t v, unsigned count) {
        for (unsigned i = count; i-- > 0;)
            bits_.push_back(((v >> i) & 1) != 0);
        return *this;
    }
    BitWriter& b(bool v) { return value(v, 1); }
    BitWriter& bb(unsigned v) { return value(v, 2); }
    BitWriter& rc(std::uint8_t v) { return value(v, 8); }
    BitWriter& rs(std::uint16_t v) { return rc(std::uint8_t(v)).rc(std::uint8_t(v >> 8)); }
    BitWriter& rl(std::uint32_t v) { return rs(std::uint16_t(v)).rs(std::uint16_t(v >> 16)); }
    BitWriter& rd(double d) {
        const auto v = std::bit_cast<std::uint64_t>(d);
        for (int i = 0; i < 8; ++i)
            rc(std::uint8_t(v >> (8 * i)));
        return *this;
    }
    BitWriter& bs(std::int16_t v) { return bb(0).rs(std::uint16_t(v)); }
    BitWriter& bl(std::int32_t v) { return bb(0).rl(std::uint32_t(v)); }
    BitWriter& bd(double v) { return bb(0).rd(v); }
    BitWriter& point3(double x, double y, double z) { return bd(x).bd(y).bd(z); }
    BitWriter& handle(unsigned code, std::uint64_t v) {
        unsigned length = 0;
        while (length < 8 && (v >> (8 * length)) != 0)
            ++length;
        rc(std::uint8_t((code << 4) | length));
        for (unsigned i = length; i-- > 0;)
            rc(std::uint8_t(v >> (8 * i)));
        return *this;
    }
    BitWriter& text(std::string_view s) {
        bs(std::int16_t(s.size()));
        for (char c : s)
            rc(std::uint8_t(c));
        return *this;
    }
    BitWriter& append(const BitWriter& other) {
        bits_.insert(bits_.end(), other.bits_.begin(), other.bits_.end());
        return *this;
    }
    std::size_t size() const { return bits_.size(); }
    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out((bits_.size() + 7) / 8, 0);
        for (std::size_t i = 0; i < bits_.size(); ++i)
            if (bits_[i])
                out[i / 8] |= std::uint8_t(0x80 >> (i % 8));
        return out;
    }

private:
    std::vector<bool> bits_;
};

// One object of a release 2000 file: its type, handle, and the bits of its
// fields and of its own handles after the common part.
struct Object {
    int type = 0;
    std::uint64_t handle = 0;
    bool entity = true;
    unsigned mode = 2;       // entities: 2 model space, 0 owned by `owner`
    std::uint64_t owner = 1; // the owner's handle
    BitWriter fields;
    BitWriter handles;
};

inline void putModular(std::vector<std::uint8_t>& out, std::int64_t v, bool isSigned) {
    const bool negative = isSigned && v < 0;
    std::uint64_t u = negative ? std::uint64_t(-v) : std::uint64_t(v);
    const unsigned lastBits = isSigned ? 6 : 7;
    while (u >= (1u << lastBits)) {
        out.push_back(std::uint8_t(0x80 | (u & 0x7F)));
        u >>= 7;
    }
    out.push_back(std::uint8_t(u | (negative ? 0x40 : 0)));
}

// The record of an object: its size as a modular short, then its bits. An
// entity lies on layer handle 0x10 with colour by layer. Release 2004 records
// say that they have no extension dictionary and have no entity links.
inline std::vector<std::uint8_t> objectRecord(const Object& o, bool r2004 = false) {
    BitWriter head;
    head.bs(std::int16_t(o.type));
    BitWriter body;
    body.handle(0, o.handle).bs(0); // no extended data
    // The bit after the reactor count: "no links" (2000) or "no extension
    // dictionary" (2004).
    if (o.entity)
        body.b(false).bb(o.mode).bl(0).b(true).bs(256).bd(1.0).bb(0).bb(0).bs(0).rc(29);
    else
        body.bl(0);
    if (!o.entity && r2004)
        body.b(true);
    body.append(o.fields);
    BitWriter handles;
    if (!o.entity || o.mode == 0)
        handles.handle(4, o.owner);
    handles.handle(3, 0); // extension dictionary
    if (o.entity)
        handles.handle(5, 0x10); // layer
    handles.append(o.handles);
    BitWriter all;
    all.append(head).rl(std::uint32_t(head.size() + 32 + body.size())).append(body).append(handles);
    const auto data = all.bytes();
    std::vector<std::uint8_t> record;
    const auto size = data.size();
    if (size < 0x8000) {
        record.push_back(std::uint8_t(size));
        record.push_back(std::uint8_t(size >> 8));
    } else {
        record.push_back(std::uint8_t(size));
        record.push_back(std::uint8_t(((size >> 8) & 0x7F) | 0x80));
        record.push_back(std::uint8_t(size >> 15));
        record.push_back(std::uint8_t(size >> 23));
    }
    record.insert(record.end(), data.begin(), data.end());
    record.push_back(0); // CRC, not checked
    record.push_back(0);
    return record;
}

// The object map: pages of at most 2032 bytes, each starting its handle and
// offset deltas from zero, then the empty last page. CRCs are left zero.
inline std::vector<std::uint8_t>
objectMap(const std::vector<std::pair<std::uint64_t, std::size_t>>& entries) {
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> page;
    std::uint64_t lastHandle = 0;
    std::int64_t lastOffset = 0;
    auto flush = [&] {
        const std::size_t size = page.size() + 2;
        out.push_back(std::uint8_t(size >> 8));
        out.push_back(std::uint8_t(size));
        out.insert(out.end(), page.begin(), page.end());
        out.insert(out.end(), {0, 0});
        page.clear();
        lastHandle = 0;
        lastOffset = 0;
    };
    for (const auto& [handle, offset] : entries) {
        putModular(page, std::int64_t(handle - lastHandle), false);
        putModular(page, std::int64_t(offset) - lastOffset, true);
        lastHandle = handle;
        lastOffset = std::int64_t(offset);
        if (page.size() > 2000)
            flush();
    }
    if (!page.empty())
        flush();
    flush(); // the empty last page
    return out;
}

// A whole file: header with three section locators, an empty header-variables
// section, a classes section, the objects and their map.
inline std::vector<std::uint8_t> dwgFile(const std::vector<Object>& objects,
                                         std::string_view version = "AC1015") {
    std::vector<std::uint8_t> file(0x15 + 4 + 3 * 9 + 2 + 16, 0);
    std::copy(version.begin(), version.end(), file.begin());
    file[0x13] = 30; // ANSI_1252
    file[0x15] = 3;
    auto putLong = [&file](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = std::uint8_t(v >> (8 * i));
    };
    auto locate = [&](unsigned number, std::size_t start) {
        const std::size_t at = 0x19 + 9 * number;
        file[at] = std::uint8_t(number);
        putLong(at + 1, std::uint32_t(start));
        putLong(at + 5, std::uint32_t(file.size() - start));
    };
    std::size_t start = file.size();
    file.insert(file.end(), 40, 0); // header variables, not read
    locate(0, start);
    start = file.size();
    const std::uint8_t classesMark[16] = {0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5,
                                          0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
    file.insert(file.end(), classesMark, classesMark + 16);
    file.insert(file.end(), 4 + 2 + 16, 0); // no classes
    locate(1, start);
    std::vector<std::pair<std::uint64_t, std::size_t>> map;
    for (const auto& o : objects) {
        map.emplace_back(o.handle, file.size());
        const auto record = objectRecord(o);
        file.insert(file.end(), record.begin(), record.end());
    }
    start = file.size();
    const auto pages = objectMap(map);
    file.insert(file.end(), pages.begin(), pages.end());
    locate(2, start);
    return file;
}

// The literal-only form of the compressed stream of 2004 sections: one run of
// literals (at least four bytes) and the end opcode.
inline std::vector<std::uint8_t> storedAsLiterals(std::vector<std::uint8_t> data) {
    data.resize(std::max<std::size_t>(data.size(), 4), 0);
    std::vector<std::uint8_t> out;
    const std::size_t n = data.size();
    if (n <= 18) {
        out.push_back(std::uint8_t(n - 3));
    } else {
        const std::size_t k = n - 18, zeros = (k - 1) / 255;
        out.push_back(0);
        out.insert(out.end(), zeros, 0);
        out.push_back(std::uint8_t(k - 255 * zeros));
    }
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(0x11);
    return out;
}

inline void putLongAt(std::vector<std::uint8_t>& b, std::size_t at, std::uint64_t v, int n = 4) {
    if (b.size() < at + n)
        b.resize(at + n, 0);
    for (int i = 0; i < n; ++i)
        b[at + i] = std::uint8_t(v >> (8 * i));
}

// A release 2004 file: the plain and the encrypted header, three data pages
// (classes, object map, objects), the section map and the page map.
inline std::vector<std::uint8_t> dwgFile2004(const std::vector<Object>& objects) {
    // The sections' contents, as they are once decompressed.
    std::vector<std::uint8_t> classes = {0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5,
                                         0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
    const auto prefix = BitWriter().bb(2).rc(0).rc(0).b(true).bytes(); // no classes
    putLongAt(classes, 16, prefix.size());
    classes.insert(classes.end(), prefix.begin(), prefix.end());
    classes.resize(classes.size() + 2 + 16, 0);
    std::vector<std::uint8_t> objectData;
    std::vector<std::pair<std::uint64_t, std::size_t>> entries;
    for (const auto& o : objects) {
        entries.emplace_back(o.handle, objectData.size());
        const auto record = objectRecord(o, true);
        objectData.insert(objectData.end(), record.begin(), record.end());
    }
    const auto map = objectMap(entries);

    std::vector<std::uint8_t> file(0x100, 0);
    std::copy_n("AC1018", 6, file.begin());
    file[0x13] = 30;
    struct Placed {
        std::uint32_t number;
        std::size_t address;
        std::size_t size;
    };
    std::vector<Placed> pages;
    const std::vector<std::pair<std::string, const std::vector<std::uint8_t>*>> sections = {
        {"AcDb:Classes", &classes}, {"AcDb:Handles", &map}, {"AcDb:AcDbObjects", &objectData}};
    for (const auto& [name, data] : sections) {
        const auto stored = storedAsLiterals(*data);
        const std::size_t address = file.size();
        const std::uint32_t mask = 0x4164536B ^ std::uint32_t(address);
        const std::uint32_t header[8] = {0x4163043B,
                                         std::uint32_t(pages.size() + 1),
                                         std::uint32_t(stored.size()),
                                         std::uint32_t(stored.size() + 32),
                                         0,
                                         0,
                                         0,
                                         0};
        for (int i = 0; i < 8; ++i)
            putLongAt(file, address + 4 * i, header[i] ^ mask);
        file.insert(file.end(), stored.begin(), stored.end());
        pages.push_back({std::uint32_t(pages.size() + 1), address, file.size() - address});
    }
    std::vector<std::uint8_t> sectionMap;
    putLongAt(sectionMap, 0, sections.size());
    putLongAt(sectionMap, 4, 2);
    putLongAt(sectionMap, 8, 0x7400);
    putLongAt(sectionMap, 16, sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::size_t at = sectionMap.size();
        putLongAt(sectionMap, at, std::max<std::size_t>(sections[i].second->size(), 4), 8);
        putLongAt(sectionMap, at + 8, 1);
        putLongAt(sectionMap, at + 12, 0x7400);
        putLongAt(sectionMap, at + 20, 2);
        putLongAt(sectionMap, at + 24, i + 1);
        sectionMap.resize(at + 96, 0);
        std::copy(sections[i].first.begin(), sections[i].first.end(),
                  sectionMap.begin() + std::ptrdiff_t(at + 32));
        putLongAt(sectionMap, at + 96, pages[i].number);
        putLongAt(sectionMap, at + 100, pages[i].size);
        putLongAt(sectionMap, at + 104, 0, 8);
    }
    auto addMapPage = [&](std::uint32_t type, const std::vector<std::uint8_t>& data) {
        const auto stored = storedAsLiterals(data);
        const std::size_t address = file.size();
        putLongAt(file, address, type);
        putLongAt(file, address + 4, std::max<std::size_t>(data.size(), 4));
        putLongAt(file, address + 8, stored.size());
        putLongAt(file, address + 12, 2);
        putLongAt(file, address + 16, 0);
        file.insert(file.end(), stored.begin(), stored.end());
        pages.push_back({std::uint32_t(pages.size() + 1), address, file.size() - address});
        return address;
    };
    addMapPage(0x4163003B, sectionMap);
    const std::uint32_t sectionMapId = pages.back().number;
    // The page map lists itself too: its size is known before it is written.
    std::vector<std::uint8_t> pageMap;
    for (std::size_t i = 0; i <= pages.size(); ++i) {
        putLongAt(pageMap, 8 * i, i + 1);
        putLongAt(pageMap, 8 * i + 4, i < pages.size() ? pages[i].size : 0);
    }
    const std::size_t pageMapAddress = addMapPage(0x41630E3B, pageMap);
    std::vector<std::uint8_t> header(0x6C, 0);
    std::copy_n("AcFssFcAJMB", 11, header.begin());
    putLongAt(header, 0x54, pageMapAddress - 0x100, 8);
    putLongAt(header, 0x5C, sectionMapId);
    std::uint32_t seed = 1;
    for (std::size_t i = 0; i < header.size(); ++i) {
        seed = seed * 0x343FD + 0x269EC3;
        file[0x80 + i] = header[i] ^ std::uint8_t(seed >> 16);
    }
    return file;
}

// A LINE entity of release 2000 from (x1, y1) to (x2, y2).
inline Object line(std::uint64_t handle, double x1, double y1, double x2, double y2) {
    Object o;
    o.type = 0x13;
    o.handle = handle;
    o.fields.b(true).rd(x1).bb(3).rd(x2).rd(y1).bb(3).rd(y2).b(true).b(true);
    return o;
}

// A block header of release 2000 named `name`, based at the origin.
inline Object blockHeader(std::uint64_t handle, std::string_view name) {
    Object o;
    o.type = 0x31;
    o.handle = handle;
    o.entity = false;
    o.fields.text(name).b(false).bs(0).b(false);
    o.fields.b(name.starts_with("*")).b(false).b(false).b(false).b(false);
    o.fields.point3(0, 0, 0).text("");
    return o;
}

} // namespace dwgtest
