// The report's title block file: whatever the bytes, a refusal says why,
// and a title block that is read writes out to a text that reads back the
// same, member for member.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "report/title_block.h"

using namespace tolvane::report;

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TitleBlockRead read = readTitleBlockText(bytes);
    if (!read.settings) {
        require(!read.problem.empty());
        return 0;
    }
    require(read.problem.empty());
    const TitleBlockRead again = readTitleBlockText(titleBlockText(*read.settings));
    require(again.settings && *again.settings == *read.settings);
    return 0;
}
