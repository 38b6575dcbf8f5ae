// TAnlagenkennlinie_Dlg, "Pressure drop = f (rate of flow)": the start and
// end rate of flow with their unit and the number of points of the plant
// characteristic curve. "C&alculate" hands the entered texts to the
// computation it was given (the table and the medium are not its own); a
// parse error keeps it open with the focus on the field, any other outcome
// closes it, and outcome() then holds the curve when there is one.
#pragma once

#include <QDialog>
#include <functional>

#include "tools/plant_curve.h"
#include "tools/pump_request.h"
#include "base/messages_clipboard_files.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

using PlantCurveComputation = std::function<PlantCurveOutcome(const PlantCurveRequest& request)>;
using PumpReading = std::function<PumpRequestOutcome(const PumpRequest& request)>;

class TAnlagenkennlinie_Dlg : public QDialog {
    Q_OBJECT
public:
    explicit TAnlagenkennlinie_Dlg(QWidget* parent = nullptr);

    // Runs the curve for the fields; messages are the computation's own.
    void setComputation(PlantCurveComputation compute) { compute_ = std::move(compute); }
    // The fields as they stand.
    PlantCurveRequest request() const;
    // What the last "C&alculate" gave (no curve after a refusal or Cancel).
    const PlantCurveOutcome& outcome() const { return outcome_; }
    // Takes the curve out of the outcome.
    std::optional<PlantCurve> takeCurve();

    // The pump and system fields: read before the curve is computed, when
    // they lay anything over it; a field that does not read keeps the
    // dialog open with the focus on it.
    void setPumpReading(PumpReading read) { readPump_ = std::move(read); }
    // "Open..." of the pump file: the path chosen, nothing when cancelled.
    void setPumpOpener(std::function<std::optional<std::string>()> open) {
        openPump_ = std::move(open);
    }
    PumpRequest pumpRequest() const;
    void setPumpFile(const std::string& path);
    // What the last "C&alculate" read of the pump fields (nothing when they
    // lay nothing over the curve).
    const std::optional<PumpSelection>& pumpSelection() const { return pump_; }
    DiagramQuantity quantity() const;

Q_SIGNALS:
    void pumpEditorRequested();

public Q_SLOTS:
    void OKBtnClick();
    void PumpOpenBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPumpGroup();

    PlantCurveComputation compute_;
    PlantCurveOutcome outcome_;
    PumpReading readPump_;
    std::optional<PumpSelection> pump_;
    std::function<std::optional<std::string>()> openPump_;
    std::string pumpPath_;

    QGroupBox* PumpGroup = nullptr;
    QLineEdit* Edit_PumpFile = nullptr;
    QPushButton* PumpOpenBtn = nullptr;
    QPushButton* PumpClearBtn = nullptr;
    QPushButton* PumpEditorBtn = nullptr;
    QLineEdit* Edit_SpeedRatio = nullptr;
    QLineEdit* Edit_ImpellerRatio = nullptr;
    QComboBox* ComboArrangement = nullptr;
    QLineEdit* Edit_PumpCount = nullptr;
    QLineEdit* Edit_StaticHead = nullptr;
    QComboBox* ComboStaticHeadUnit = nullptr;
    QLineEdit* Edit_PressureDifference = nullptr;
    QComboBox* ComboPressureDifferenceUnit = nullptr;
    QComboBox* ComboQuantity = nullptr;
    QGroupBox* SuctionGroup = nullptr;
    QLineEdit* Edit_SuctionFirst = nullptr;
    QLineEdit* Edit_SuctionLast = nullptr;
    QLineEdit* Edit_VesselPressure = nullptr;
    QComboBox* ComboVesselPressureUnit = nullptr;
    QLineEdit* Edit_Level = nullptr;
    QComboBox* ComboLevelUnit = nullptr;
    QLineEdit* Edit_VapourPressure = nullptr;
    QComboBox* ComboVapourPressureUnit = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_Von = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit_Bis = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit_Anzahl = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
