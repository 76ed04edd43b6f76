#include "drawing/PreviewEntries.h"

#include "drawing/PreviewLayout.h"

#include <algorithm>

namespace {

std::int32_t int32At(const char* bytes) {
    const auto byte = [bytes](int i) { return static_cast<std::uint32_t>(std::uint8_t(bytes[i])); };
    return static_cast<std::int32_t>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
}

// The preview area's address, or -1 when the file header is not there whole.
std::int64_t previewAddress(FileAccess& file) {
    char header[PreviewLayout::HeaderLength];
    if (!readExactly(file, 0, header, sizeof header))
        return -1;
    return int32At(header + PreviewLayout::PreviewAddressOffset);
}

} // namespace

std::vector<PreviewEntry> ReadPreviewEntries(FileAccess& file) {
    using namespace PreviewLayout;
    const std::int64_t address = previewAddress(file);
    char head[AreaHeadLength];
    if (address < 0 || !readExactly(file, address, head, sizeof head))
        return {};
    const int count = static_cast<std::int8_t>(head[EntryCountOffset]);
    const std::int64_t tableStart = address + AreaHeadLength;
    const std::int64_t wholeEntries = (file.size() - tableStart) / EntryLength;
    const std::int64_t available = std::clamp<std::int64_t>(wholeEntries, 0, std::max(count, 0));
    if (available == 0)
        return {};

    std::vector<char> table(static_cast<std::size_t>(available * EntryLength));
    const std::int64_t got = file.readAt(tableStart, table.data(), std::ssize(table));
    std::vector<PreviewEntry> entries;
    for (std::int64_t k = 0; k < got / EntryLength; ++k) {
        const char* entry = table.data() + k * EntryLength;
        entries.push_back({std::uint8_t(entry[0]), int32At(entry + 1), int32At(entry + 5)});
    }
    return entries;
}

bool ExtractPreviewEntry(QByteArray& stream, FileAccess& file, std::uint8_t code,
                         EntryExtractor extract) {
    bool found = false;
    for (const PreviewEntry& entry : ReadPreviewEntries(file)) {
        if (entry.code != code)
            continue;
        QByteArray picture;
        const EntryOutcome outcome = extract(file, entry, picture);
        if (outcome == EntryOutcome::ShortRead)
            break;
        if (outcome == EntryOutcome::Picture) {
            stream = std::move(picture);
            found = true;
        }
    }
    return found;
}
