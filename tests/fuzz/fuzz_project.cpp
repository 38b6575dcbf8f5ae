// Project files of both formats. A file that loads is written again and must
// load back to the same table; every number row of a loaded table reads as a
// finite number or not at all, and the look stays in its ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/project_file.h"
#include "base/text_file.h"

using namespace tolvane;

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ProjectReadResult first = parseProjectLines(textLinesOf(bytes));
    if (first.status != ProjectReadStatus::Ok) return 0;
    const ProjectData& d = first.data;
    require(d.font.size >= 1 && d.font.size <= 1000);
    require(d.rowHeight >= 1);

    CalculationTable table;
    table.setCalculations(d.calculations);
    table.font = d.font;
    if (d.format == ProjectFormat::Current) table.setColumnWidths(d.columnWidths);
    table.writeHeadings(d.system, 3);

    // Written and read again: the same texts (a line break inside a text is
    // written as a blank, so compare after the first round trip).
    const auto lines = projectFileLines(table, d.system);
    const std::string written = [&] {
        std::string b;
        for (const std::string& line : lines) b += utf8ToCp1252(line) + "\r\n";
        return b;
    }();
    const ProjectReadResult second = parseProjectLines(textLinesOf(written));
    require(second.status == ProjectReadStatus::Ok);
    CalculationTable again;
    again.setCalculations(second.data.calculations);
    again.font = second.data.font;
    again.setColumnWidths(second.data.columnWidths);
    again.writeHeadings(second.data.system, 3);
    require(projectFileLines(again, second.data.system) == lines);
    return 0;
}
