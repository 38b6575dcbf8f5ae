// Pump files (.tpump): one pump a file, JSON, its points in the units the file
// names. Reading checks everything before anything is kept, so a damaged or
// implausible file is refused as a whole with a message naming the member.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/pump_curve.h"

namespace tolvane {

inline constexpr std::size_t kPumpPointLimit = 10000;          // this many points are refused
inline constexpr std::uintmax_t kPumpFileByteLimit = 1 << 20;  // more bytes are refused

inline constexpr const char* kPumpFileFilter = "Pump files (*.tpump)|*.tpump";

struct PumpFile {
    PumpData pump;                  // base units
    std::string flowUnit = "m³/h";  // as the file names them, kept for writing
    std::string headUnit = "m";
};

struct PumpFileOutcome {
    std::optional<PumpFile> file;
    std::string problem;  // "points[3].flow: ..." when refused
};

PumpFileOutcome readPumpText(const std::string& text);
PumpFileOutcome readPumpFile(const std::string& path);

// The file's JSON text, the points in the units `file` names.
std::string pumpFileText(const PumpFile& file);
// Written atomically; an error text, or "" on success.
std::string writePumpFile(const std::string& path, const PumpFile& file);

}  // namespace tolvane
