#pragma once
// The directory of a DWG file of releases R13 to 2004: its release and code
// page, where its sections lie, the classes that name the object types above
// the fixed ones, and the object map that gives every object's offset.

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace cad::dwg {

enum class Release : std::uint8_t { R13, R14, R2000, R2004 };

// An object type defined by the file's classes section.
struct DwgClass {
    std::string dxfName; // "LWPOLYLINE", "HATCH", "DICTIONARYVAR", ...
    bool entity = false;
};

// Where one object lies: its handle and the file offset of its record.
struct ObjectLocation {
    std::uint64_t handle = 0;
    std::size_t offset = 0;
};

struct DwgFile {
    Release release = Release::R2000;
    std::string version;  // "AC1015"
    std::string codePage; // "ANSI_1252", as the header variable names it
    std::unordered_map<int, DwgClass> classes;
    std::vector<ObjectLocation> objects; // in the order of the object map
    // Release 2004 files keep their objects in a compressed section: its bytes,
    // which object offsets then count in. Empty for earlier releases, whose
    // offsets count in the file.
    std::vector<std::uint8_t> objectSection;
};

// Reads the file header, the classes and the object map. Throws ReadError for a
// file that is not a DWG drawing, for releases this reader does not read (the
// message names the release) and for a directory that lies outside the file.
DwgFile readDwgDirectory(std::span<const std::uint8_t> bytes);

// The $DWGCODEPAGE name of a code page number of the file header, or "" when
// the number is not known.
std::string codePageName(unsigned number);

} // namespace cad::dwg
