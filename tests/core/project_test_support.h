// Shared by the project tests: a scratch folder and a session with calculations.
#pragma once

#include <unistd.h>
#include <filesystem>
#include <string>

#include "shell/session.h"

namespace tolvane::testing_support {

// A fresh folder under the temporary directory, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tolvane-project-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// n calculations of a gate valve whose row 23 holds 1, 2, 3 ... mbar.
inline void addCalculations(Session& s, int n) {
    std::vector<CalculationColumn> calcs;
    for (int i = 1; i <= n; ++i) {
        CalculationColumn c;
        c[Row::Medium] = "water/liq.";
        c[Row::RateOfFlow] = "10.000";
        c[Row::Element] = "Gate valve/" + std::to_string(i);
        c[Row::Dimension1] = "Diameter of pipe D in mm: 100.000";
        c[Row::Option] = " ";
        c[Row::PressureDrop] = std::to_string(i) + ".000";
        calcs.push_back(c);
    }
    s.table.setCalculations(std::move(calcs));
    s.table.renumber();
    s.table.writeHeadings(s.settings.output, s.settings.decimals);
}

}  // namespace tolvane::testing_support
