#include "properties/air_properties.h"

#include <algorithm>

#include "properties/property_texts.h"
#include "base/input_number.h"

namespace tolvane {

const std::vector<AirRow>& airTable() {
    static const std::vector<AirRow> rows = {
        {"-180", "3.8515", "6.44"},  {"-160", "3.1258", "7.85"},  {"-140", "2.6391", "9.20"},
        {"-120", "2.2867", "10.49"}, {"-100", "2.0186", "11.72"}, {"-80", "1.8073", "12.89"},
        {"-60", "1.6364", "14.02"},  {"-40", "1.4952", "15.09"},  {"-20", "1.3765", "16.15"},
        {"0", "1.2754", "17.10"},    {"20", "1.1881", "17.98"},   {"40", "1.1120", "18.81"},
        {"60", "1.0452", "19.73"},   {"80", "0.9859", "20.73"},   {"100", "0.9329", "21.60"},
        {"120", "0.8854", "22.43"},  {"140", "0.8425", "23.19"},  {"160", "0.8036", "24.01"},
        {"180", "0.7681", "24.91"},  {"200", "0.7356", "25.70"},  {"250", "0.6653", "27.40"},
        {"300", "0.6072", "29.20"},  {"350", "0.5585", "30.90"},  {"400", "0.5170", "32.55"},
        {"450", "0.4813", "34.00"},  {"500", "0.4502", "35.50"},  {"600", "0.3986", "38.30"},
        {"700", "0.3577", "40.87"},  {"800", "0.3243", "43.32"},  {"900", "0.2967", "45.65"},
        {"1000", "0.2734", "47.88"},
    };
    return rows;
}

void AirSelection::selectRow(int row) {
    row_ = std::clamp(row, 0, static_cast<int>(airTable().size()) - 1);
    density_ = pressure_ == "1000" ? std::string(airTable()[row_].density) : densityAtPressure();
}

void AirSelection::setPressure(std::string mbar) {
    pressure_ = std::move(mbar);
    density_ = densityAtPressure();
}

std::string AirSelection::densityAtPressure() const {
    const double rho = readNumber(airTable()[row_].density).value_or(0);
    const double p = readNumber(pressure_).value_or(0);
    return tolvane::densityText(rho * p / 1000);
}

std::string AirSelection::viscosityText() const { return airTable()[row_].viscosity; }

std::string AirSelection::fahrenheitNote() const {
    return tolvane::fahrenheitNote(readWholeNumber(airTable()[row_].celsius).value_or(0));
}

std::string AirSelection::psiNote() const {
    return tolvane::psiNote(readNumber(pressure_).value_or(0));
}

MediumChoice AirSelection::choice() const {
    MediumChoice c;
    c.name = "air";
    c.gas = true;
    c.density = density_;
    c.viscosity = viscosityText();
    c.gasState = GasStateChoice{pressure_, 1, airTable()[row_].celsius, 0};
    return c;
}

}  // namespace tolvane
