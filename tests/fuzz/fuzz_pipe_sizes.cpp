// The pipe-size table: whatever the file, every row that is kept has a wall
// below half its outside diameter and a positive, finite inner diameter, the
// lookup finds each row by its names, and the faults name lines in the order
// of the file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "properties/pipe_sizes.h"

using namespace tolvane;

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const PipeSizesRead read = parsePipeSizes(bytes);
    for (const PipeRow& row : read.table.rows()) {
        require(row.wallMm > 0 && 2 * row.wallMm < row.outsideMm);
        require(std::isfinite(row.insideMm) && row.insideMm >= 0);
        require(read.table.find(row.standard, row.size, row.schedule) == &row);
    }
    int last = 0;
    for (const PipeFileFault& fault : read.faults) {
        require(fault.line > last || (fault.line == 0 && read.faults.size() == 1));
        last = fault.line;
    }
    return 0;
}
