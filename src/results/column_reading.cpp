#include "results/column_reading.h"

#include "base/input_number.h"

namespace tolvane {

std::string textAfter(const std::string& text, std::string_view mark) {
    const std::size_t pos = text.find(mark);
    return pos == std::string::npos ? std::string() : text.substr(pos + mark.size());
}

std::string textBefore(const std::string& text, std::string_view mark) {
    const std::size_t pos = text.find(mark);
    return pos == std::string::npos ? text : text.substr(0, pos);
}

double cellNumber(const std::string& text) { return readNumber(text).value_or(0.0); }

}  // namespace tolvane
