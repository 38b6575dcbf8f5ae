// TDaDruDialog, "Vapor pressure/density database": for a substance of
// DADRU.DAD (read each time the dialog is shown) and a whole-degree
// temperature within the substance's range, the vapour pressure and the
// density of the saturated liquid, computed from the substance's equations.
// The three copy buttons send the values to whoever opened the dialog (the
// NPSH tool) through the signals below and close the dialog.
#pragma once

#include <QDialog>
#include <string>

#include "properties/vapour_pressure.h"
#include "base/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

class HeldArrows;

class TDaDruDialog : public QDialog {
    Q_OBJECT
public:
    TDaDruDialog(std::string path, MessageSink& messages, QWidget* parent = nullptr);

    void setPath(std::string path) { path_ = std::move(path); }
    // Reads the file and shows its first substance; exec() does this first.
    void load();
    int exec() override;
    const VapourPressureSelection& selection() const { return selection_; }

    HeldArrows* UpDown1;

Q_SIGNALS:
    // Vapour pressure in bar and density in kg/m³, as shown.
    void vapourPressureAndDensityCopied(const QString& bar, const QString& kgPerM3);
    void vapourPressureCopied(const QString& bar);
    void densityCopied(const QString& kgPerM3);

public Q_SLOTS:
    void ListBox1Click();
    void stepTemperature(int degrees);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showSubstance();
    void showValues();

    std::string path_;
    MessageSink& messages_;
    VapourPressureSelection selection_;

    QListWidget* ListBox1 = nullptr;
    QLabel* NameLabel = nullptr;
    QLabel* InfoLabel = nullptr;
    QLabel* MeltingLabel = nullptr;
    QLabel* BoilingLabel = nullptr;
    QLabel* MolLabel = nullptr;
    QLabel* MinLabel = nullptr;
    QLabel* MaxLabel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* PressureLabel = nullptr;
    QLabel* DensityLabel = nullptr;
    QPushButton* BothBtn = nullptr;
    QPushButton* PressureBtn = nullptr;
    QPushButton* DensityBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
