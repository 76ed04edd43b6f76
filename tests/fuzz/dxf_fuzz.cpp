// Fuzz entry point of the DXF reader: any bytes either read into a consistent
// model or give a ReadError.

#include "cad/DxfReader.h"
#include "cad/ReadError.h"
#include "tests/fuzz/ModelFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        checkFuzzedModel(cad::readDxf({data, size}));
    } catch (const cad::ReadError&) {
    }
    return 0;
}
