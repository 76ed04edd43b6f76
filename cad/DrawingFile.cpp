#include "cad/DrawingFile.h"

#include "cad/DxfReader.h"
#include "cad/ReadError.h"

#include <array>
#include <cctype>
#include <fstream>

namespace cad {

DrawingFileKind sniffDrawingFile(const std::string& path) {
    std::array<char, 6> start{};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(start.data(), start.size()))
        return DrawingFileKind::Dxf;
    const bool version = start[0] == 'A' && start[1] == 'C' &&
                         std::isdigit(static_cast<unsigned char>(start[2])) &&
                         std::isdigit(static_cast<unsigned char>(start[3])) &&
                         std::isdigit(static_cast<unsigned char>(start[4])) &&
                         std::isdigit(static_cast<unsigned char>(start[5]));
    return version ? DrawingFileKind::Dwg : DrawingFileKind::Dxf;
}

Drawing readDrawingFile(const std::string& path) {
    switch (sniffDrawingFile(path)) {
    case DrawingFileKind::Dwg:
        throw ReadError(path + ": DWG drawings cannot be read yet; only DXF drawings open");
    case DrawingFileKind::Dxf:
        break;
    }
    return readDxfFile(path);
}

} // namespace cad
