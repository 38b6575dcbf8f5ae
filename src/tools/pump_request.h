// The pump and system fields of the plant-curve dialog as typed -> read and
// checked in order (the pump file, the ratios, N, the system side, the
// suction side) -> a PumpSelection for the overlay. A field that does not
// read is named by its label and gets the focus; a refused pump file names
// its own fault.
#pragma once

#include <optional>
#include <string>

#include "base/messages_clipboard_files.h"
#include "tools/pump_diagram.h"
#include "tools/pump_overlay.h"

namespace tolvane {

struct PumpRequest {
    std::string pumpFile;  // none chosen: ""
    std::string speedRatio = "1", impellerRatio = "1";
    Arrangement arrangement = Arrangement::Single;
    std::string count = "2";
    std::string staticHead = "0";
    int staticHeadUnit = 0;  // length list
    std::string pressureDifference = "0";
    int pressureDifferenceUnit = 0;  // pressure list
    bool suction = false;
    std::string firstColumn = "1", lastColumn = "1";
    std::string vesselPressure = "1,013";
    int vesselPressureUnit = 0;
    std::string level = "0";
    int levelUnit = 0;
    std::string vapourPressure = "0,0234";
    int vapourPressureUnit = 0;
    DiagramQuantity quantity = DiagramQuantity::Pressure;
};

// Object names and labels of the fields, as messages name them.
namespace pump_field {
inline constexpr const char* SpeedRatio = "Edit_SpeedRatio";
inline constexpr const char* ImpellerRatio = "Edit_ImpellerRatio";
inline constexpr const char* Count = "Edit_PumpCount";
inline constexpr const char* StaticHead = "Edit_StaticHead";
inline constexpr const char* PressureDifference = "Edit_PressureDifference";
inline constexpr const char* FirstColumn = "Edit_SuctionFirst";
inline constexpr const char* LastColumn = "Edit_SuctionLast";
inline constexpr const char* VesselPressure = "Edit_VesselPressure";
inline constexpr const char* Level = "Edit_Level";
inline constexpr const char* VapourPressure = "Edit_VapourPressure";
inline constexpr const char* SpeedRatioLabel = "Speed ratio n/n0:";
inline constexpr const char* ImpellerRatioLabel = "Impeller ratio D/D0:";
inline constexpr const char* CountLabel = "Number of pumps:";
inline constexpr const char* StaticHeadLabel = "Static head:";
inline constexpr const char* PressureDifferenceLabel = "Pressure difference:";
inline constexpr const char* FirstColumnLabel = "Suction line: calculations from";
inline constexpr const char* LastColumnLabel = "to";
inline constexpr const char* VesselPressureLabel = "Suction vessel pressure (abs.):";
inline constexpr const char* LevelLabel = "Level above the pump:";
inline constexpr const char* VapourPressureLabel = "Vapor pressure:";
}  // namespace pump_field

// True when the request lays anything over the plain curve.
bool pumpRequestGiven(const PumpRequest& request);

struct PumpRequestOutcome {
    std::optional<PumpSelection> selection;
    std::string focus;  // the field a message moved the focus to
};

PumpRequestOutcome readPumpRequest(const PumpRequest& request, const NpshMarginRule& margin,
                                   MessageSink& messages);

// "The pump file ... cannot be used: points[3].flow: ..."
std::string pumpFileRefusedText(const std::string& path, const std::string& problem);

}  // namespace tolvane
