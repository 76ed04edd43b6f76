// Fuzz entry point of the DWG reader: any bytes either read into a consistent
// model or give a ReadError; the model's extents are computed as well, since the
// viewer does that with every drawing it opens.

#include "cad/Extents.h"
#include "cad/ModelCheck.h"
#include "cad/ReadError.h"
#include "cad/dwg/DwgReader.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const cad::Drawing drawing = cad::readDwg({data, size});
        const std::string fault = cad::findModelFault(drawing);
        if (!fault.empty()) {
            std::fprintf(stderr, "inconsistent model: %s\n", fault.c_str());
            std::abort();
        }
        (void)cad::modelSpaceExtents(drawing);
    } catch (const cad::ReadError&) {
    }
    return 0;
}
