#include "cad/DxfValueType.h"

namespace cad {

namespace {
struct CodeRange {
    int first;
    int last;
    DxfValueType type;
};

// Ranges not listed hold strings.
constexpr CodeRange kRanges[] = {
    {10, 59, DxfValueType::Real},      {60, 79, DxfValueType::Int16},
    {90, 99, DxfValueType::Int32},     {110, 149, DxfValueType::Real},
    {160, 169, DxfValueType::Int64},   {170, 179, DxfValueType::Int16},
    {210, 239, DxfValueType::Real},    {270, 289, DxfValueType::Int16},
    {290, 299, DxfValueType::Bool},    {310, 319, DxfValueType::Bytes},
    {370, 389, DxfValueType::Int16},   {400, 409, DxfValueType::Int16},
    {420, 429, DxfValueType::Int32},   {440, 449, DxfValueType::Int32},
    {450, 459, DxfValueType::Int32},   {460, 469, DxfValueType::Real},
    {1004, 1004, DxfValueType::Bytes}, {1010, 1059, DxfValueType::Real},
    {1060, 1070, DxfValueType::Int16}, {1071, 1071, DxfValueType::Int32},
};
} // namespace

DxfValueType dxfValueType(int code) {
    for (const auto& range : kRanges)
        if (code >= range.first && code <= range.last)
            return range.type;
    return DxfValueType::String;
}

} // namespace cad
