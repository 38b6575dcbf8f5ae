// TReportDialog, "Calculation report": the title block (project, line or
// tag, document number, revision, prepared, checked and approved by, date,
// a remark), which sections the report includes, the plant curve's range
// and an optional pump file with the static head. "&Preview..." accepts the
// dialog; the caller then makes the report and shows the print preview.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "base/messages_clipboard_files.h"
#include "report/title_block.h"
#include "tools/plant_curve.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

struct ReportPumpFields {
    std::string file;        // "" for none
    std::string staticHead;  // m, as typed
};

class TReportDialog : public QDialog {
    Q_OBJECT
public:
    TReportDialog(FileDialogs& files, QWidget* parent = nullptr);

    void setSettings(const report::ReportSettings& settings);
    report::ReportSettings settings() const;
    // The curve's range in m³/h, as typed.
    void setCurve(const PlantCurveRequest& curve);
    PlantCurveRequest curve() const;
    void setPump(const ReportPumpFields& pump);
    ReportPumpFields pump() const;

public Q_SLOTS:
    void choosePumpFile();

private:
    FileDialogs& files_;
    std::array<QLineEdit*, 8> titleEdits_{};  // project .. date
    QPlainTextEdit* remark_ = nullptr;
    std::array<QCheckBox*, 5> sections_{};  // medium, columns, checks, diagram, sources
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* points_ = nullptr;
    QLineEdit* pumpFile_ = nullptr;
    QLineEdit* staticHead_ = nullptr;
    QPushButton* preview_ = nullptr;
};

}  // namespace tolvane
