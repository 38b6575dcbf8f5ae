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
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

using PlantCurveComputation = std::function<PlantCurveOutcome(const PlantCurveRequest& request)>;

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

public Q_SLOTS:
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    PlantCurveComputation compute_;
    PlantCurveOutcome outcome_;

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
