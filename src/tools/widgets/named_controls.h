// Controls of the tool dialogs created with the object name they are found by.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace tolvane {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text);
// A drop-down list of unit texts, first item selected.
QComboBox* namedUnitList(QWidget* parent, const char* name, const std::vector<std::string>& units);

}  // namespace tolvane
