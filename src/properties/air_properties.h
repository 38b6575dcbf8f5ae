// Dry air at 31 temperatures from -180 to 1000 °C: density at 1000 mbar and
// dynamic viscosity as fixed texts. The density at another absolute pressure
// is scaled as for an ideal gas; the viscosity is taken as independent of
// pressure. AirSelection is the air dialog without its window.
#pragma once

#include <string>
#include <vector>

#include "properties/medium_choice.h"

namespace tolvane {

struct AirRow {
    const char* celsius;    // at most 4 characters
    const char* density;    // kg/m³ at 1000 mbar, at most 6 characters
    const char* viscosity;  // 10^-6 Pa s, at most 5 characters
};

const std::vector<AirRow>& airTable();

class AirSelection {
public:
    // A click in the temperature list: the table's density text at exactly
    // "1000" mbar, else the density at the pressure.
    void selectRow(int row);
    // The "Change pressure" dialog's result in mbar: the density is always
    // recomputed, also at 1000 mbar.
    void setPressure(std::string mbar);

    int row() const { return row_; }
    const std::string& pressure() const { return pressure_; }
    const std::string& densityText() const { return density_; }
    std::string viscosityText() const;
    std::string fahrenheitNote() const;
    std::string psiNote() const;

    // "Copy to &medium window": the gaseous medium "air" with the selected
    // temperature and the pressure for the gas data window.
    MediumChoice choice() const;

private:
    std::string densityAtPressure() const;

    int row_ = 0;
    std::string pressure_ = "1000";
    std::string density_ = airTable().front().density;
};

}  // namespace tolvane
