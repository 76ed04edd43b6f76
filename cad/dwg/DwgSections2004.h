#pragma once
// The container of release 2004 files: an encrypted header that locates the
// page map, the map of pages and the map of sections, and sections whose pages
// are compressed. What it gives are the whole sections by name.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace cad::dwg {

using SectionData = std::map<std::string, std::vector<std::uint8_t>, std::less<>>;

// Reads the sections named in `wanted` ("AcDb:Classes", ...). Throws ReadError
// when the container is damaged or a wanted section is missing.
SectionData readSections2004(std::span<const std::uint8_t> bytes,
                             const std::vector<std::string>& wanted);

} // namespace cad::dwg
