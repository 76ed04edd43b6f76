// Fuzz entry point of the DWG reader: any bytes either read into a consistent
// model or give a ReadError.

#include "cad/ReadError.h"
#include "cad/dwg/DwgReader.h"
#include "tests/fuzz/ModelFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        checkFuzzedModel(cad::readDwg({data, size}));
    } catch (const cad::ReadError&) {
    }
    return 0;
}
