#pragma once
// Readers of the DXF entity types the model keeps. Each is called with the
// entity's 0 group just read and reads the entity's groups (and, for POLYLINE
// and INSERT, the VERTEX / ATTRIB entities and the SEQEND that follow).

#include "cad/DxfReaderContext.h"

#include <string_view>

namespace cad {

using DxfEntityReader = void (*)(DxfReaderContext&);

// The reader of an entity type name, or nullptr for a type the model does not keep.
DxfEntityReader findDxfEntityReader(std::string_view type);

void readLine(DxfReaderContext& c);
void readXLine(DxfReaderContext& c);
void readRay(DxfReaderContext& c);
void readPoint(DxfReaderContext& c);
void readCircle(DxfReaderContext& c);
void readArc(DxfReaderContext& c);
void readEllipse(DxfReaderContext& c);
void readSolid(DxfReaderContext& c);
void readTrace(DxfReaderContext& c);
void readFace3D(DxfReaderContext& c);
void readViewport(DxfReaderContext& c);
void readWipeout(DxfReaderContext& c);
void readImage(DxfReaderContext& c);

void readLwPolyline(DxfReaderContext& c);
void readPolyline(DxfReaderContext& c);
void readSpline(DxfReaderContext& c);
void readHelix(DxfReaderContext& c);
void readLeader(DxfReaderContext& c);
void readMLine(DxfReaderContext& c);

void readText(DxfReaderContext& c);
void readMText(DxfReaderContext& c);
void readAttrib(DxfReaderContext& c);
void readAttDef(DxfReaderContext& c);
// Reads an ATTRIB that follows an INSERT and stores it apart; returns its index.
std::uint32_t readOwnedAttrib(DxfReaderContext& c);

void readInsert(DxfReaderContext& c);
void readDimension(DxfReaderContext& c);

void readHatch(DxfReaderContext& c);

} // namespace cad
