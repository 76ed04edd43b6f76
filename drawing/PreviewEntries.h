#pragma once

#include "drawing/FileAccess.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

// One entry of a DWG preview area's table, as stored.
struct PreviewEntry {
    std::uint8_t code = 0;
    std::int32_t start = 0;
    std::int32_t size = 0;
};

// The entries of the file's preview table, in table order, up to the first one
// that the file does not hold whole. Empty when the header or the area's head
// is missing or the count is zero or negative (a count byte above 127).
std::vector<PreviewEntry> ReadPreviewEntries(FileAccess& file);

// What became of one entry handed to an extractor.
enum class EntryOutcome {
    Picture,    // `picture` holds the complete result
    NotPicture, // the entry carries no usable picture; the next one may
    ShortRead,  // the file ends before the entry does: reading stops here
};

using EntryExtractor = EntryOutcome (*)(FileAccess& file, const PreviewEntry& entry,
                                        QByteArray& picture);

// Hands every entry with `code` to `extract`, in table order, and puts the
// last complete picture into `stream`. Stops at the first short read, keeping
// the picture reached so far. Returns false, with `stream` untouched, when no
// picture came out.
bool ExtractPreviewEntry(QByteArray& stream, FileAccess& file, std::uint8_t code,
                         EntryExtractor extract);
