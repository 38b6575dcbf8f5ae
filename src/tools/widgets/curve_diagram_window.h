// TKurve, "Pressure drop = f (Rate of flow)": the plant characteristic curve
// drawn over its scaled axes, with the medium it was computed for above the
// plot. Resizable; it prints the diagram through the print service, copies
// the points to the clipboard, and saves the drawing as PNG, SVG or PDF.
#pragma once

#include <QDialog>
#include <QWidget>

#include "results/print_service.h"
#include "tools/curve_diagram.h"
#include "base/messages_clipboard_files.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tolvane {

// PaintBox1: draws the window's diagram on every paint.
class CurvePaintBox : public QWidget {
    Q_OBJECT
public:
    explicit CurvePaintBox(const CurveDiagram& diagram, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {640, 400}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CurveDiagram& diagram_;
};

class TKurve : public QDialog {
    Q_OBJECT
public:
    TKurve(MessageSink& messages, Clipboard& clipboard, FileDialogs& files,
           QWidget* parent = nullptr);

    // Where "&Print diagram" goes; without one the button is disabled.
    void setPrintService(PrintService* printer);
    // The curve to show and the texts around it; fills the medium panel.
    void showCurve(CurveDiagram diagram, DiagramTexts texts);
    const CurveDiagram& diagram() const { return diagram_; }
    const DiagramTexts& texts() const { return texts_; }

    CurvePaintBox* PaintBox1;

public Q_SLOTS:
    void BitBtn2Click();  // "&Print diagram"
    void BitBtn3Click();  // "&Copy data"
    void SaveDiagramClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MessageSink& messages_;
    Clipboard& clipboard_;
    FileDialogs& files_;
    PrintService* printer_ = nullptr;
    CurveDiagram diagram_;
    DiagramTexts texts_;
    bool placed_ = false;

    QFrame* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label_Medium = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label_Aggregat = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* SaveDiagramBtn = nullptr;
    QLabel* Label_Pump = nullptr;  // the operating point beside the diagram
};

}  // namespace tolvane
