// The main window's element panel Element_Fenster ("Element of pipe"): the
// element's name and picture, four value rows with their unit boxes or fixed
// unit labels, the quantity and the two-way option group.
#pragma once

#include <QGroupBox>
#include <QPalette>
#include <QString>
#include <array>

#include "shell/form_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace tolvane {

class ElementPanelWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit ElementPanelWidget(QWidget* parent = nullptr);

    // Pictures <number>.bmp are looked up in this directory.
    void setPictureDirectory(const QString& directory);
    void showPanel(const ElementPanel& element);
    // The user's texts, unit positions and option choice.
    void readPanel(ElementPanel& element) const;

    std::array<QLabel*, 4> VaStatic{};     // Va1_Static .. Va4_Static
    std::array<QLineEdit*, 4> VaEdit{};    // Va1_Edit .. Va4_Edit
    std::array<QComboBox*, 3> ComboVar{};  // ComboVar1 .. ComboVar3
    std::array<QLabel*, 3> LabelVar{};     // [0] unused; LabelVar2, LabelVar3
    std::array<QRadioButton*, 2> optionItems{};
    // "..." beside a row that is a pipe's diameter: PipeSizeBtn1 .. PipeSizeBtn4.
    std::array<QToolButton*, 4> PipeSizeBtn{};

Q_SIGNALS:
    // A row's pipe-size button was pressed (row 0 .. 3).
    void pipeSizesRequested(int row);

private:
    void showPicture(int number);
    void markQuantity();
    QString pictureDirectory_;
    int shownPicture_ = 0;

    QLabel* Va5_Titel = nullptr;
    QLineEdit* Va5_Edit = nullptr;
    QPalette quantityPalette_;  // Va5_Edit's own, while it holds "1"
    QGroupBox* RadioGroup1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Statisch_Element_Name = nullptr;
};

}  // namespace tolvane
