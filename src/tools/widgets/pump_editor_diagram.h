// The pump editor's small live diagram: the head (and, when stated, the
// efficiency) of the points as they stand, interpolated as the plant-curve
// diagram interpolates them; a note instead while the points do not read.
#pragma once

#include <QWidget>
#include <optional>

#include "tools/pump_curve.h"

namespace tolvane {

class PumpEditorDiagram : public QWidget {
    Q_OBJECT
public:
    explicit PumpEditorDiagram(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {300, 200}; }
    // Base units; nothing: the note is shown.
    void showPump(std::optional<PumpData> pump, const QString& note);
    bool hasCurve() const { return pump_.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<PumpCurve> pump_;
    QString note_;
};

}  // namespace tolvane
