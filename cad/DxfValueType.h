#pragma once
// The kind of value each DXF group code carries; binary files store values in
// these forms, text files as text.

#include <cstdint>

namespace cad {

enum class DxfValueType : std::uint8_t { String, Real, Int16, Int32, Int64, Bool, Bytes };

DxfValueType dxfValueType(int code);

} // namespace cad
