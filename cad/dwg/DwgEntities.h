#pragma once
// Readers of the DWG entities the model keeps. Each reads the fields of one
// entity type, in the order files store them, and adds the entity to `owner`.

#include "cad/dwg/DwgReaderContext.h"

#include <string_view>

namespace cad::dwg {

using EntityReader = void (*)(DwgReaderContext&, DwgObject&, BlockIndex owner);

// The reader of an object type, or nullptr for a type the model does not keep.
EntityReader findEntityReader(const DwgFile& file, int type);
// The name files give an entity type ("LINE", "HATCH", ...), for counting the
// entities that are skipped.
std::string_view entityTypeName(const DwgFile& file, int type);

// The fixed object types the reader meets by number.
enum ObjectType : int {
    kText = 0x01,
    kAttrib = 0x02,
    kAttDef = 0x03,
    kBlock = 0x04,
    kEndBlock = 0x05,
    kSeqEnd = 0x06,
    kInsert = 0x07,
    kMInsert = 0x08,
    kVertex2D = 0x0A,
    kVertex3D = 0x0B,
    kVertexMesh = 0x0C,
    kVertexPface = 0x0D,
    kVertexPfaceFace = 0x0E,
    kPolyline2D = 0x0F,
    kPolyline3D = 0x10,
    kArc = 0x11,
    kCircle = 0x12,
    kLine = 0x13,
    kPoint = 0x1B,
    kFace3D = 0x1C,
    kPolylinePface = 0x1D,
    kPolylineMesh = 0x1E,
    kSolid = 0x1F,
    kTrace = 0x20,
    kEllipse = 0x23,
    kSpline = 0x24,
    kRay = 0x28,
    kXLine = 0x29,
    kMTextType = 0x2C,
    kLeaderType = 0x2D,
    kMLineType = 0x2F,
    kBlockHeader = 0x31,
    kLayerType = 0x33,
    kStyle = 0x35,
    kLinetypeType = 0x39,
    kMLineStyle = 0x49,
    kLwPolylineType = 0x4D,
};

void readLine(DwgReaderContext&, DwgObject&, BlockIndex);
void readCircle(DwgReaderContext&, DwgObject&, BlockIndex);
void readArc(DwgReaderContext&, DwgObject&, BlockIndex);
void readPoint(DwgReaderContext&, DwgObject&, BlockIndex);
void readEllipse(DwgReaderContext&, DwgObject&, BlockIndex);
void readRay(DwgReaderContext&, DwgObject&, BlockIndex);
void readXLine(DwgReaderContext&, DwgObject&, BlockIndex);
void readSolid(DwgReaderContext&, DwgObject&, BlockIndex);
void readTrace(DwgReaderContext&, DwgObject&, BlockIndex);
void readFace3D(DwgReaderContext&, DwgObject&, BlockIndex);
void readImage(DwgReaderContext&, DwgObject&, BlockIndex);
void readWipeout(DwgReaderContext&, DwgObject&, BlockIndex);
void readText(DwgReaderContext&, DwgObject&, BlockIndex);
void readAttrib(DwgReaderContext&, DwgObject&, BlockIndex);
void readAttDef(DwgReaderContext&, DwgObject&, BlockIndex);
void readMText(DwgReaderContext&, DwgObject&, BlockIndex);
void readInsert(DwgReaderContext&, DwgObject&, BlockIndex);
void readMInsert(DwgReaderContext&, DwgObject&, BlockIndex);
void readPolyline2D(DwgReaderContext&, DwgObject&, BlockIndex);
void readPolyline3D(DwgReaderContext&, DwgObject&, BlockIndex);
void readPolylinePface(DwgReaderContext&, DwgObject&, BlockIndex);
void readPolylineMesh(DwgReaderContext&, DwgObject&, BlockIndex);
void readLwPolyline(DwgReaderContext&, DwgObject&, BlockIndex);
void readSpline(DwgReaderContext&, DwgObject&, BlockIndex);
void readHelix(DwgReaderContext&, DwgObject&, BlockIndex);
void readLeader(DwgReaderContext&, DwgObject&, BlockIndex);
void readMLine(DwgReaderContext&, DwgObject&, BlockIndex);
void readHatch(DwgReaderContext&, DwgObject&, BlockIndex);
// Every dimension type (0x14 to 0x1A).
void readDimension(DwgReaderContext&, DwgObject&, BlockIndex);

// An attribute owned by an INSERT: stored apart and named by the insert.
std::uint32_t readOwnedAttrib(DwgReaderContext& c, DwgObject& object);

} // namespace cad::dwg
