// Measured resistance coefficients of fittings, one "*.ZTA" file per
// manufacturer. A file is Windows-1252 text, one fitting per line, fields
// separated by a TAB: the fitting's specification, then pairs of diameter and
// resistance coefficient (both texts shown as they are), ending at the end of
// the line or at the first empty diameter field.
//
// ZetaSelection is the resistance-coefficient dialog without its window: the
// manufacturer files, the fittings of the chosen file, the diameters of the
// chosen fitting, the coefficient shown for the chosen diameter, and what
// "Copy to element window" hands to the element panel.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/messages_clipboard_files.h"

namespace tolvane {

inline constexpr const char* kZetaDatabaseBroken =
    "Es wurde keine Datenbank Zeta-Werte gefunden oder sie ist defekt.\r\n"
    "Die Zeta-Werte können nicht angezeigt werden.";

struct ZetaFitting {
    std::string specification;
    std::vector<std::pair<std::string, std::string>> points;  // (diameter, coefficient)
    bool operator==(const ZetaFitting&) const = default;
};

// Takes a file's bytes apart; nothing when they are not such a file (empty,
// binary, a line without a TAB, a diameter without its coefficient, a fitting
// without any diameter, an overlong line).
std::optional<std::vector<ZetaFitting>> parseZetaFile(const std::string& bytes);

// The "*.ZTA" file names (without path) in `directory`, sorted by name; the
// extension is matched in any letter case.
std::vector<std::string> listZetaFiles(const std::string& directory);

// The file name without path, cut before its first ".": "Acme.v2.ZTA" -> "Acme".
std::string manufacturerName(const std::string& fileName);

struct ZetaCopy {
    std::string diameter;       // into Va1_Edit
    std::string zeta;           // into Va2_Edit
    std::string specification;  // manufacturer + " " + fitting, for row 6 of the next column
};

class ZetaSelection {
public:
    ZetaSelection(std::string directory, MessageSink& messages);

    // The dialog being shown: lists the files and reads the first one.
    void show();
    // Another manufacturer: reads its file and selects its first fitting.
    void selectFile(int index);
    // Another fitting: its diameters, the first one selected.
    void selectFitting(int index);
    // Another diameter: its coefficient into the coefficient field.
    void selectDiameter(int index);
    // The user typed into the coefficient field.
    void setZetaText(std::string text) { zetaText_ = std::move(text); }

    const std::vector<std::string>& files() const { return files_; }
    std::vector<std::string> fittings() const;
    std::vector<std::string> diameters() const;
    const std::string& zetaText() const { return zetaText_; }
    int fileIndex() const { return fileIndex_; }
    int fittingIndex() const { return fittingIndex_; }
    int diameterIndex() const { return diameterIndex_; }

    // "Copy to element window": nothing while no fitting and diameter are chosen.
    std::optional<ZetaCopy> copyToElementWindow() const;

private:
    void clearLists();

    std::string directory_;
    MessageSink& messages_;
    std::vector<std::string> files_;
    std::vector<ZetaFitting> content_;
    int fileIndex_ = -1;
    int fittingIndex_ = -1;
    int diameterIndex_ = -1;
    std::string zetaText_;
};

}  // namespace tolvane
